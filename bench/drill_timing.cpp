// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How closely a drill keeps to its pace, and what the waiting costs the
// processor. In alternating rounds in one process: the window with the
// program's sleeping pump, the window with a pump that spins, and, as the
// floor the machine allows, the same waits slept by a bare thread.
//   drill_timing [ROUNDS] [-v]   (default 3 rounds; -v lists every phase)
// Run it with QT_QPA_PLATFORM=offscreen.
#include "common/Arguments.h"
#include "common/DrillRig.h"
#include "common/ProcessorTime.h"
#include "common/Report.h"
#include "common/Stats.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

using namespace lexiwren::bench;
using namespace Qt::StringLiterals;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using std::chrono::steady_clock;

namespace {

constexpr int Cards = 20;

// Prompt, answer, prompt, ... at speed 0.2.
milliseconds phaseDuration(size_t phase)
{
    return milliseconds(phase % 2 == 0 ? 300 : 200);
}

double ms(nanoseconds t)
{
    return std::chrono::duration<double, std::milli>(t).count();
}

struct DrillFigures
{
    int phases = 0;
    int phasesOffPace = 0; // asked for other durations than the drill's
    std::vector<double> overshootsMs;
    double gapMedianMs = 0.0; // from a wait's return to the next wait's start
    double wallSeconds = 0.0;
    double processorPercent = 0.0;
    long preemptions = 0;
};

// Times whatever run does, and takes the phases from what it logged.
template<typename Run>
DrillFigures measure(Run run)
{
    const ProcessorUse before = processorUse();
    const steady_clock::time_point wallBefore = steady_clock::now();
    const std::vector<WaitRecord> waits = run();
    const double wall = std::chrono::duration<double>(steady_clock::now() - wallBefore).count();
    const ProcessorUse after = processorUse();

    DrillFigures figures;
    figures.wallSeconds = wall;
    figures.processorPercent = 100.0 * (after.seconds - before.seconds) / wall;
    figures.preemptions = after.involuntarySwitches - before.involuntarySwitches;
    figures.phases = static_cast<int>(waits.size());
    std::vector<double> gaps;
    for (size_t i = 0; i < waits.size(); ++i) {
        if (waits[i].duration != phaseDuration(i))
            ++figures.phasesOffPace;
        figures.overshootsMs.push_back(ms(waits[i].end - waits[i].start - waits[i].duration));
        if (i > 0)
            gaps.push_back(ms(waits[i].start - waits[i - 1].end));
    }
    figures.gapMedianMs = median(gaps);
    return figures;
}

DrillFigures windowDrill(DrillRig &rig)
{
    return measure([&] {
        rig.runDrill();
        return rig.log().waits();
    });
}

// The drill's waits with nothing but sleeping: no window, no events.
DrillFigures bareSleeps()
{
    return measure([] {
        std::vector<WaitRecord> waits;
        for (size_t phase = 0; phase < 2 * Cards; ++phase) {
            const nanoseconds start = steady_clock::now().time_since_epoch();
            std::this_thread::sleep_for(phaseDuration(phase));
            waits.push_back({start, phaseDuration(phase), steady_clock::now().time_since_epoch()});
        }
        return waits;
    });
}

void printHeader()
{
    std::printf("%-6s %-11s %6s %37s %8s %7s %7s %8s\n", "", "", "", "overshoot ms                   ", "gap ms",
                "wall", "cpu", "preempt");
    std::printf("%-6s %-11s %6s %8s %8s %8s %8s %8s %7s %7s %8s\n", "round", "wait", "phases", "median", "p99", "max",
                "min", "median", "s", "%", "");
}

void printRow(const char *round, const char *wait, const DrillFigures &f, bool everyPhase)
{
    std::printf("%-6s %-11s %6d %8.3f %8.3f %8.3f %8.3f %8.3f %7.2f %7.2f %8ld\n", round, wait, f.phases,
                median(f.overshootsMs), percentile(f.overshootsMs, 99), maximum(f.overshootsMs),
                minimum(f.overshootsMs), f.gapMedianMs, f.wallSeconds, f.processorPercent, f.preemptions);
    if (everyPhase) {
        std::printf("       overshoots ms:");
        for (double overshoot : f.overshootsMs)
            std::printf(" %.2f", overshoot);
        std::printf("\n");
    }
}

// Each column's median over the rounds; the minimum is over all phases.
struct Summary
{
    double overshootMedian = 0, overshootP99 = 0, overshootMax = 0, overshootMin = 0, processorPercent = 0;
};

Summary summarize(const std::vector<DrillFigures> &rounds)
{
    std::vector<double> medians, p99s, maxima, minima, processor;
    for (const DrillFigures &f : rounds) {
        medians.push_back(median(f.overshootsMs));
        p99s.push_back(percentile(f.overshootsMs, 99));
        maxima.push_back(maximum(f.overshootsMs));
        minima.push_back(minimum(f.overshootsMs));
        processor.push_back(f.processorPercent);
    }
    return {median(medians), median(p99s), median(maxima), minimum(minima), median(processor)};
}

void printSummary(const char *wait, const Summary &s)
{
    std::printf("%-18s %8.3f %8.3f %8.3f %8.3f %8s %7s %7.2f\n", wait, s.overshootMedian, s.overshootP99,
                s.overshootMax, s.overshootMin, "", "", s.processorPercent);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Arguments given = arguments(3);
    const bool everyPhase = given.verbose;
    const int rounds = given.rounds;

    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.2"_s);

    std::printf("Drill timing: %d cards, answers on, sound off, speed 0.2 (prompt 300 ms, answer 200 ms)\n", Cards);
    std::printf("platform %s, dispatcher %s, %d alternating rounds\n\n", qPrintable(QApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className(), rounds);
    printHeader();

    std::vector<DrillFigures> sleeping, spinning, bare;
    for (int round = 1; round <= rounds; ++round) {
        const QByteArray label = QByteArray::number(round);
        rig.useSleepingPump();
        sleeping.push_back(windowDrill(rig));
        printRow(label.constData(), "sleeping", sleeping.back(), everyPhase);
        rig.useSpinningPump();
        spinning.push_back(windowDrill(rig));
        printRow(label.constData(), "spinning", spinning.back(), everyPhase);
        bare.push_back(bareSleeps());
        printRow(label.constData(), "bare sleep", bare.back(), everyPhase);
        for (const DrillFigures *f : {&sleeping.back(), &spinning.back()}) {
            if (f->phases != 2 * Cards || f->phasesOffPace)
                std::fprintf(stderr, "round %d: %d phases (%d off pace) instead of %d at 300 / 200 ms\n", round,
                             f->phases, f->phasesOffPace, 2 * Cards);
        }
    }

    const Summary sleep = summarize(sleeping);
    const Summary spin = summarize(spinning);
    std::printf("\nmedian of the rounds (min: lowest of all phases)\n");
    printSummary("sleeping", sleep);
    printSummary("spinning", spin);
    printSummary("bare sleep", summarize(bare));

    printTargetHeader();
    printTarget("drill: overshoot median", sleep.overshootMedian, "ms", "<= 2 ms", sleep.overshootMedian <= 2.0);
    printTarget("drill: overshoot 99th percentile", sleep.overshootP99, "ms", "<= 10 ms", sleep.overshootP99 <= 10.0);
    printTarget("drill: overshoot minimum", sleep.overshootMin, "ms", ">= 0 ms", sleep.overshootMin >= 0.0);
    printTarget("drill: processor, sleeping wait", sleep.processorPercent, "%", "<= 2 % of one core",
                sleep.processorPercent <= 2.0);
    printReference("drill: processor, spinning wait", spin.processorPercent, "%", "about 100 %");
    printReference("drill: overshoot 99th pct., bare sleep", summarize(bare).overshootP99, "ms", "machine's floor");
    return 0;
}
