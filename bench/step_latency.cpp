// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon the next card is on screen once a wait ends: from the wait's
// return to the end of the paint of the label that took the new text (the
// 150-point word in Label2 or the 90-point meaning in Label7), and to the end
// of the window's sync that flushed it. The first drill is measured cold; the
// ones after it run with the fonts and glyphs already in use.
//   step_latency [WARM_DRILLS] [-v]   (default 3; -v names the slowest steps)
// Run it with QT_QPA_PLATFORM=offscreen.
#include "common/DrillRig.h"
#include "ui/CardLabel.h"

#include <QEvent>

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace lexiwren::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr int Cards = 99;

struct LabelPaint
{
    const QObject *label = nullptr;
    QString text;
    nanoseconds begin{}, end{};
};

// When the labels were painted, with what text, and when each sync of the
// window ended (every dirty widget painted and flushed). A filter sees an
// event before its widget does; to note when the work ended too, it hands the
// event to the widget itself and keeps it from being delivered again.
class PaintLog : public QObject
{
public:
    PaintLog(QWidget *window, const std::vector<QLabel *> &labels)
        : m_window(window)
        , m_labels(labels.begin(), labels.end())
    {
        window->installEventFilter(this);
        for (QLabel *label : labels)
            label->installEventFilter(this);
    }
    std::vector<LabelPaint> paints;
    std::vector<nanoseconds> syncEnds;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool sync = event->type() == QEvent::UpdateRequest && watched == m_window;
        const bool paint = event->type() == QEvent::Paint
                           && std::find(m_labels.begin(), m_labels.end(), watched) != m_labels.end();
        if (!sync && !paint)
            return false;
        const nanoseconds begin = now();
        watched->event(event);
        if (sync)
            syncEnds.push_back(now());
        else
            paints.push_back({watched, static_cast<QLabel *>(watched)->text(), begin, now()});
        return true;
    }

private:
    QWidget *m_window;
    std::vector<QObject *> m_labels;
};

// The label a step changed, and the text it should show.
struct ShownStep
{
    const QObject *label = nullptr;
    QString text;
};

struct Drill
{
    int steps = 0;
    int unpainted = 0; // steps whose new text was not painted before they ended
    std::vector<double> toPaintMs, toFlushMs, wordToFlushMs, meaningToFlushMs;
    std::vector<std::pair<double, QString>> shownText; // to flush, and the text
};

Drill measure(const std::vector<TimedWait> &waits, const std::vector<ShownStep> &shown, const PaintLog &log,
              const QObject *word)
{
    Drill drill;
    // The first step follows the click, not a wait.
    for (size_t i = 1; i < waits.size() && i < shown.size(); ++i) {
        ++drill.steps;
        const nanoseconds from = waits[i - 1].end;
        const auto paint = std::find_if(log.paints.begin(), log.paints.end(), [&](const LabelPaint &p) {
            return p.begin >= from && p.begin <= waits[i].end && p.label == shown[i].label && p.text == shown[i].text;
        });
        if (paint == log.paints.end()) {
            ++drill.unpainted;
            continue;
        }
        const auto sync = std::lower_bound(log.syncEnds.begin(), log.syncEnds.end(), paint->end);
        const double toFlush = ms((sync == log.syncEnds.end() ? paint->end : *sync) - from);
        drill.toPaintMs.push_back(ms(paint->end - from));
        drill.toFlushMs.push_back(toFlush);
        (shown[i].label == word ? drill.wordToFlushMs : drill.meaningToFlushMs).push_back(toFlush);
        drill.shownText.emplace_back(toFlush, shown[i].text);
    }
    return drill;
}

void printRow(const char *name, Drill d, bool slowest)
{
    std::printf("%-8s %5d %5d %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f\n", name, d.steps, d.unpainted,
                median(d.toPaintMs), maximum(d.toPaintMs), median(d.toFlushMs), percentile(d.toFlushMs, 99),
                maximum(d.toFlushMs), median(d.wordToFlushMs), median(d.meaningToFlushMs));
    if (!slowest)
        return;
    std::sort(d.shownText.begin(), d.shownText.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    std::printf("         slowest:");
    for (size_t i = 0; i < d.shownText.size() && i < 5; ++i)
        std::printf(" %s %.2f;", qPrintable(d.shownText[i].second), d.shownText[i].first);
    std::printf("\n");
}

int stepLatency(Arguments given)
{
    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.05"_s);
    TimedForm &form = rig.form();
    PaintLog log(&form, {form.Label2, form.Label7});

    // Which label shows the step each wait holds: the word covers the meaning.
    std::vector<ShownStep> shown;
    form.onWaitStart = [&] {
        const QLabel *top = form.Label2->isVisible() ? static_cast<QLabel *>(form.Label2) : form.Label7;
        shown.push_back({top, top->text()});
    };
    const auto drill = [&] {
        shown.clear();
        log.paints.clear();
        log.syncEnds.clear();
        const std::vector<TimedWait> waits = rig.runDrill();
        return measure(waits, shown, log, form.Label2);
    };

    std::printf("Card step latency: %d cards, answers on, sound off, speed 0.05 (prompt 75 ms, answer 50 ms);\n"
                "word 150 pt Latin in Label2, meaning 90 pt Japanese in Label7\n\n",
                Cards);
    std::printf("%-20s %17s %26s %17s\n", "", "to paint ms   ", "to flush ms          ", "to flush, median");
    std::printf("%-8s %5s %5s %8s %8s %8s %8s %8s %8s %8s\n", "drill", "steps", "lost", "median", "max", "median",
                "p99", "max", "word", "meaning");
    printRow("cold", drill(), given.verbose);
    std::vector<double> medians, maxima;
    int unpainted = 0;
    for (int run = 1; run <= given.count; ++run) {
        const Drill warm = drill();
        printRow(("warm " + QByteArray::number(run)).constData(), warm, given.verbose);
        medians.push_back(median(warm.toFlushMs));
        maxima.push_back(maximum(warm.toFlushMs));
        unpainted += warm.unpainted;
    }

    const double medianMs = median(medians), maximumMs = median(maxima);
    printTargetHeader();
    printFigure("step: wait end to flush, median (warm)", withUnit(medianMs, "ms"), "< 5 ms", medianMs < 5.0);
    printFigure("step: wait end to flush, maximum (warm)", withUnit(maximumMs, "ms"), "< 16.7 ms (one frame)",
                maximumMs < 1000.0 / 60.0);
    printFigure("step: steps never painted (warm)", QString::number(unpainted), "0", unpainted == 0);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return windowBenchmark(argc, argv, 3, stepLatency);
}
