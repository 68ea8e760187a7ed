// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How closely a drill keeps to its pace, and what the waiting costs the
// processor. In alternating rounds in one process: the window with the
// program's sleeping pump, the window with a pump that spins, and, as the
// floor the machine allows, the same waits slept by a bare thread. Then ten
// waits of 1,500 ms, a prompt at speed 1, called on the idle window.
//   drill_timing [ROUNDS] [-v]   (default 3 rounds; -v lists every phase)
// Run it with QT_QPA_PLATFORM=offscreen.
#include "common/DrillRig.h"

#include <cstdio>
#include <thread>

using namespace lexiwren::bench;
using namespace Qt::StringLiterals;
using std::chrono::milliseconds;

namespace {

constexpr int Cards = 20;
constexpr int LongWaits = 10;
constexpr milliseconds LongWait{1500};

// Prompt, answer, prompt, ... at speed 0.2.
milliseconds phaseDuration(size_t phase)
{
    return milliseconds(phase % 2 == 0 ? 300 : 200);
}

struct Round
{
    std::vector<double> overshootsMs;
    double gapMedianMs = 0.0; // from a wait's return to the next wait's start
    double wallSeconds = 0.0;
    double processorPercent = 0.0;
    long preemptions = 0;
    int offPace = 0; // waits other than the drill's 40 at 300 / 200 ms
};

template<typename Run>
Round measure(Run run)
{
    const Stopwatch watch;
    const std::vector<TimedWait> waits = run();
    Round round{{}, 0.0, watch.wallSeconds(), watch.processorPercent(), watch.preemptions(), 0};
    std::vector<double> gaps;
    for (size_t i = 0; i < waits.size(); ++i) {
        round.offPace += waits[i].duration != phaseDuration(i);
        round.overshootsMs.push_back(ms(waits[i].end - waits[i].start - waits[i].duration));
        if (i > 0)
            gaps.push_back(ms(waits[i].start - waits[i - 1].end));
    }
    round.offPace += std::abs(static_cast<int>(waits.size()) - 2 * Cards);
    round.gapMedianMs = median(gaps);
    return round;
}

// The drill's waits with nothing but sleeping: no window, no events.
std::vector<TimedWait> bareSleeps()
{
    std::vector<TimedWait> waits;
    for (size_t phase = 0; phase < 2 * Cards; ++phase) {
        const nanoseconds start = now();
        std::this_thread::sleep_for(phaseDuration(phase));
        waits.push_back({start, phaseDuration(phase), now()});
    }
    return waits;
}

void printRow(const char *round, const char *wait, const Round &r, bool everyPhase)
{
    const std::vector<double> &o = r.overshootsMs;
    std::printf("%-6s %-11s %6zu %8.3f %8.3f %8.3f %8.3f %8.3f %7.2f %7.2f %8ld\n", round, wait, o.size(), median(o),
                percentile(o, 99), maximum(o), minimum(o), r.gapMedianMs, r.wallSeconds, r.processorPercent,
                r.preemptions);
    if (everyPhase) {
        std::printf("       overshoots ms:");
        for (double overshoot : o)
            std::printf(" %.2f", overshoot);
        std::printf("\n");
    }
    if (r.offPace)
        std::fprintf(stderr, "%s: %d waits off the drill's pace of 40 at 300 / 200 ms\n", wait, r.offPace);
}

// Each column's median over the rounds; the minimum is the lowest of all phases.
struct Summary
{
    double median, p99, max, min, processor;
};

Summary summarize(const std::vector<Round> &rounds)
{
    std::vector<double> medians, p99s, maxima, minima, processor;
    for (const Round &r : rounds) {
        medians.push_back(median(r.overshootsMs));
        p99s.push_back(percentile(r.overshootsMs, 99));
        maxima.push_back(maximum(r.overshootsMs));
        minima.push_back(minimum(r.overshootsMs));
        processor.push_back(r.processorPercent);
    }
    return {median(medians), median(p99s), median(maxima), minimum(minima), median(processor)};
}

int drillTiming(Arguments given)
{
    DrillRig rig(Cards);
    if (!rig.ready())
        return 1;
    rig.setDrillOptions(u"0.2"_s);
    std::printf("Drill timing: %d cards, answers on, sound off, speed 0.2 (prompt 300 ms, answer 200 ms),\n"
                "%d alternating rounds\n\n",
                Cards, given.count);
    std::printf("%-25s %37s %8s %7s %7s %8s\n", "", "overshoot ms                   ", "gap ms", "wall", "cpu",
                "preempt");
    std::printf("%-6s %-11s %6s %8s %8s %8s %8s %8s %7s %7s\n", "round", "wait", "phases", "median", "p99", "max",
                "min", "median", "s", "%");

    std::vector<Round> sleeping, spinning, bare;
    for (int round = 1; round <= given.count; ++round) {
        const QByteArray label = QByteArray::number(round);
        rig.useSpinningPump(false);
        sleeping.push_back(measure([&] { return rig.runDrill(); }));
        printRow(label.constData(), "sleeping", sleeping.back(), given.verbose);
        rig.useSpinningPump(true);
        spinning.push_back(measure([&] { return rig.runDrill(); }));
        printRow(label.constData(), "spinning", spinning.back(), given.verbose);
        bare.push_back(measure(bareSleeps));
        printRow(label.constData(), "bare sleep", bare.back(), given.verbose);
    }

    std::printf("\nmedian of the rounds (min: lowest of all phases)\n");
    const char *names[] = {"sleeping", "spinning", "bare sleep"};
    Summary summaries[3];
    for (int i = 0; i < 3; ++i) {
        summaries[i] = summarize(i == 0 ? sleeping : i == 1 ? spinning : bare);
        const Summary &s = summaries[i];
        std::printf("%-18s %8.3f %8.3f %8.3f %8.3f %24.2f\n", names[i], s.median, s.p99, s.max, s.min, s.processor);
    }

    std::printf("\nLong wait: %d waits of %lld ms on the idle window\n", LongWaits,
                static_cast<long long>(LongWait.count()));
    rig.useSpinningPump(false);
    std::vector<double> longOvershoots;
    const Stopwatch watch;
    for (int wait = 1; wait <= LongWaits; ++wait) {
        const nanoseconds start = now();
        rig.form().Pause(static_cast<qint32>(LongWait.count()));
        longOvershoots.push_back(ms(now() - start - LongWait));
        std::printf("wait %2d: overshoot %.3f ms\n", wait, longOvershoots.back());
    }
    const double longProcessor = watch.processorPercent();

    const Summary &sleep = summaries[0];
    printTargetHeader();
    printFigure("drill: overshoot median", withUnit(sleep.median, "ms"), "<= 2 ms", sleep.median <= 2.0);
    printFigure("drill: overshoot 99th percentile", withUnit(sleep.p99, "ms"), "<= 10 ms", sleep.p99 <= 10.0);
    printFigure("drill: overshoot minimum", withUnit(sleep.min, "ms"), ">= 0 ms", sleep.min >= 0.0);
    printFigure("drill: processor, sleeping wait", withUnit(sleep.processor, "%"), "<= 2 % of one core",
                sleep.processor <= 2.0);
    printReference("drill: processor, spinning wait", withUnit(summaries[1].processor, "%"), "about 100 %");
    printReference("drill: overshoot 99th pct., bare sleep", withUnit(summaries[2].p99, "ms"), "machine's floor");
    const double longMedian = median(longOvershoots), longLowest = minimum(longOvershoots);
    printFigure("wait: 1500 ms, overshoot median", withUnit(longMedian, "ms"), "<= 2 ms", longMedian <= 2.0);
    printFigure("wait: 1500 ms, overshoot minimum", withUnit(longLowest, "ms"), ">= 0 ms", longLowest >= 0.0);
    printFigure("wait: 1500 ms, processor", withUnit(longProcessor, "%"), "< 2 % of one core", longProcessor < 2.0);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    return windowBenchmark(argc, argv, 3, drillTiming);
}
