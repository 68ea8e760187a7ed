// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon the next card is on screen once a wait ends: from the wait's
// return to the end of the paint of the label that took the new text (the
// 150-point word in Label2 or the 90-point meaning in Label7), and to the end
// of the sync that flushed it. The first drill is measured cold; the ones
// after it run with the fonts and glyphs already in use.
//   step_latency [WARM_DRILLS] [-v]   (default 3; -v names the slowest steps)
// Run it with QT_QPA_PLATFORM=offscreen.
#include "common/Arguments.h"
#include "common/DrillRig.h"
#include "common/PaintLog.h"
#include "common/Report.h"
#include "common/Stats.h"
#include "ui/CardLabel.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

using namespace lexiwren::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr int Cards = 99;

// The label a step changed, and the text it should show.
struct ShownStep
{
    const QWidget *label = nullptr;
    QString text;
};

struct StepFigures
{
    int steps = 0;
    int unpainted = 0; // steps whose new text was not painted before they ended
    std::vector<double> toPaintMs, toFlushMs, wordToFlushMs, meaningToFlushMs;
    std::vector<std::pair<double, QString>> shownText; // to flush, and the text
};

double ms(std::chrono::nanoseconds t)
{
    return std::chrono::duration<double, std::milli>(t).count();
}

StepFigures measure(const std::vector<WaitRecord> &waits, const std::vector<ShownStep> &shown, const PaintLog &paints,
                    const QWidget *word)
{
    StepFigures figures;
    const std::vector<LabelPaint> &painted = paints.paints();
    const std::vector<std::chrono::nanoseconds> &syncs = paints.syncEnds();
    // The first step follows the click, not a wait.
    for (size_t i = 1; i < waits.size() && i < shown.size(); ++i) {
        ++figures.steps;
        const std::chrono::nanoseconds from = waits[i - 1].end;
        const auto paint = std::find_if(painted.begin(), painted.end(), [&](const LabelPaint &p) {
            return p.begin >= from && p.begin <= waits[i].end && p.label == shown[i].label && p.text == shown[i].text;
        });
        if (paint == painted.end()) {
            ++figures.unpainted;
            continue;
        }
        const auto sync = std::lower_bound(syncs.begin(), syncs.end(), paint->end);
        const double toFlush = ms((sync == syncs.end() ? paint->end : *sync) - from);
        figures.toPaintMs.push_back(ms(paint->end - from));
        figures.toFlushMs.push_back(toFlush);
        (shown[i].label == word ? figures.wordToFlushMs : figures.meaningToFlushMs).push_back(toFlush);
        figures.shownText.emplace_back(toFlush, shown[i].text);
    }
    return figures;
}

void printHeader()
{
    std::printf("%-8s %5s %5s %17s %26s %17s\n", "", "", "", "to paint ms   ", "to flush ms          ",
                "to flush, median");
    std::printf("%-8s %5s %5s %8s %8s %8s %8s %8s %8s %8s\n", "drill", "steps", "lost", "median", "max", "median",
                "p99", "max", "word", "meaning");
}

void printRow(const char *drill, StepFigures f, bool slowest)
{
    std::printf("%-8s %5d %5d %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f\n", drill, f.steps, f.unpainted,
                median(f.toPaintMs), maximum(f.toPaintMs), median(f.toFlushMs), percentile(f.toFlushMs, 99),
                maximum(f.toFlushMs), median(f.wordToFlushMs), median(f.meaningToFlushMs));
    if (!slowest)
        return;
    std::sort(f.shownText.begin(), f.shownText.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    std::printf("         slowest:");
    for (size_t i = 0; i < f.shownText.size() && i < 5; ++i)
        std::printf(" %s %.2f;", qPrintable(f.shownText[i].second), f.shownText[i].first);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Arguments given = arguments(3);
    const bool slowest = given.verbose;
    const int warmDrills = given.rounds;

    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.05"_s);
    lexiwren::Form1 &form = rig.form();
    PaintLog paints(&form, {form.Label2, form.Label7});

    // Which label shows the step each wait holds: the word covers the meaning.
    std::vector<ShownStep> shown;
    rig.log().onWaitStart = [&] {
        const QLabel *top = form.Label2->isVisible() ? static_cast<QLabel *>(form.Label2) : form.Label7;
        shown.push_back({top, top->text()});
    };
    const auto drill = [&] {
        shown.clear();
        paints.clear();
        rig.runDrill();
        return measure(rig.log().waits(), shown, paints, form.Label2);
    };

    std::printf("Card step latency: %d cards, answers on, sound off, speed 0.05 (prompt 75 ms, answer 50 ms)\n", Cards);
    std::printf("platform %s; word 150 pt Latin in Label2, meaning 90 pt Japanese in Label7\n\n",
                qPrintable(QApplication::platformName()));
    printHeader();
    printRow("cold", drill(), slowest);
    std::vector<StepFigures> warm;
    for (int run = 1; run <= warmDrills; ++run) {
        warm.push_back(drill());
        printRow(QByteArray("warm ").append(QByteArray::number(run)).constData(), warm.back(), slowest);
    }

    std::vector<double> medians, maxima;
    int unpainted = 0;
    for (const StepFigures &f : warm) {
        medians.push_back(median(f.toFlushMs));
        maxima.push_back(maximum(f.toFlushMs));
        unpainted += f.unpainted;
    }
    const double medianMs = median(medians);
    const double maximumMs = median(maxima);
    printTargetHeader();
    printTarget("step: wait end to flush, median (warm)", medianMs, "ms", "< 5 ms", medianMs < 5.0);
    printTarget("step: wait end to flush, maximum (warm)", maximumMs, "ms", "< 16.7 ms (one frame)",
                maximumMs < 1000.0 / 60.0);
    printCountTarget("step: steps never painted (warm)", unpainted, "0", unpainted == 0);
    return 0;
}
