// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether marking cards for review (the M key) holds up the drill. Drills of
// 99 cards alternate: one with no key pressed, one that presses M 10 ms into
// every prompt (the first such drill marks all 99, the next takes them all
// out again, and so on). For each, how far each wait ran past its time and
// how long the gap from a wait's end to the next wait's start was (drawing
// the next step); and what the key's handler itself took on the window's
// thread. For comparison, what one synchronous write of the review file
// takes, which the drill would wait for if the window wrote it itself.
//   review_marks [PAIRS] [-v]   (default 3)
// Run it with QT_QPA_PLATFORM=offscreen.
#include "common/DrillRig.h"
#include "deck/ReviewFile.h"
#include "ui/CardLabel.h"
#include "ui/Extras.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>

using namespace lexiwren;
using namespace lexiwren::bench;
using namespace Qt::StringLiterals;

namespace {

constexpr int Cards = 99;

struct Drill
{
    std::vector<double> overrunMs, gapMs, handlerMs;
};

Drill runOne(DrillRig &rig, bool pressM)
{
    TimedForm &form = rig.form();
    Drill drill;
    form.onWaitStart = [&] {
        // The prompt of an English-first drill is the word, in Label2.
        if (!pressM || !form.Label2->isVisible())
            return;
        QTimer::singleShot(std::chrono::milliseconds(10), &form, [&] {
            const nanoseconds before = now();
            form.extras().reviewAction()->trigger();
            drill.handlerMs.push_back(ms(now() - before));
        });
    };
    const std::vector<TimedWait> waits = rig.runDrill();
    form.onWaitStart = nullptr;
    for (size_t i = 0; i < waits.size(); ++i) {
        drill.overrunMs.push_back(ms(waits[i].end - waits[i].start - waits[i].duration));
        if (i > 0)
            drill.gapMs.push_back(ms(waits[i].start - waits[i - 1].end));
    }
    return drill;
}

void printRow(const char *name, const Drill &d)
{
    std::printf("%-9s %5zu %8.3f %8.3f %8.3f %8.3f %8.3f %6zu %8.3f %8.3f\n", name, d.overrunMs.size(),
                median(d.overrunMs), percentile(d.overrunMs, 99), maximum(d.overrunMs), median(d.gapMs),
                maximum(d.gapMs), d.handlerMs.size(), median(d.handlerMs), maximum(d.handlerMs));
}

// One review file written by the window's own thread: 99 cards in, then out.
std::vector<double> synchronousWrites(const QStringList &lines)
{
    std::vector<double> samples;
    ReviewFile file(reviewFilePath("cards.txt"));
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString &line : lines) {
            const Card card = cardFromLine(line);
            const nanoseconds before = now();
            (void)(pass == 0 ? file.add(card) : file.remove(card));
            samples.push_back(ms(now() - before));
        }
    }
    return samples;
}

int reviewMarks(Arguments given)
{
    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.05"_s);
    std::printf("Review marks: %d cards, answers on, sound off, speed 0.05 (prompt 75 ms, answer 50 ms);\n"
                "M pressed 10 ms into every prompt of the marking drills\n\n",
                Cards);
    std::printf("%-9s %5s %26s %17s %24s\n", "", "", "wait overrun ms          ", "gap to next ms  ",
                "M handler ms          ");
    std::printf("%-9s %5s %8s %8s %8s %8s %8s %6s %8s %8s\n", "drill", "waits", "median", "p99", "max", "median", "max",
                "keys", "median", "max");
    (void)runOne(rig, false); // fonts and glyphs warm
    std::vector<double> plainMedian, plainMax, markMedian, markMax, markP99, handlerMax;
    for (int pair = 1; pair <= given.count; ++pair) {
        const Drill plain = runOne(rig, false);
        const Drill marking = runOne(rig, true);
        printRow("plain", plain);
        printRow(pair % 2 ? "mark in" : "mark out", marking);
        plainMedian.push_back(median(plain.overrunMs));
        plainMax.push_back(maximum(plain.overrunMs));
        markMedian.push_back(median(marking.overrunMs));
        markP99.push_back(percentile(marking.overrunMs, 99));
        markMax.push_back(maximum(marking.overrunMs));
        handlerMax.push_back(maximum(marking.handlerMs));
    }
    // Let the last writes finish before the file is timed on its own.
    DrillRig::settle(std::chrono::milliseconds(500));
    QFile::remove(QString::fromUtf8(reviewFilePath("cards.txt")));
    const std::vector<double> writes = synchronousWrites(sampleCardLines(Cards));
    std::printf("\nreview file written on the window's thread instead: %zu writes, median %.3f ms, max %.3f ms\n",
                writes.size(), median(writes), maximum(writes));

    printTargetHeader();
    printFigure("review: wait overrun with M, median", withUnit(median(markMedian), "ms"), "<= 2 ms",
                median(markMedian) <= 2.0);
    printFigure("review: wait overrun with M, p99", withUnit(median(markP99), "ms"), "<= 10 ms",
                median(markP99) <= 10.0);
    printFigure("review: wait overrun with M, worst", withUnit(maximum(markMax), "ms"), "< 16.7 ms (one frame)",
                maximum(markMax) < 1000.0 / 60.0);
    printReference("review: wait overrun without M, median / worst",
                   withUnit(median(plainMedian), "ms") + u" / "_s + withUnit(maximum(plainMax), "ms"), "");
    printFigure("review: M handler on the window's thread, worst", withUnit(maximum(handlerMax), "ms"));
    printFigure("review: one synchronous file write, median / max",
                withUnit(median(writes), "ms") + u" / "_s + withUnit(maximum(writes), "ms"));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return windowBenchmark(argc, argv, 3, reviewMarks);
}
