// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How late a 1,500 ms wait returns on the real event loop, and what it costs
// in processor time: the length of one card's prompt at speed 1.
#include "common/ProcessorTime.h"
#include "common/Report.h"
#include "common/Stats.h"

#include "drill/PacedWait.h"
#include "fakes/FakeProgramEnd.h"
#include "platform/SystemPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace lexiwren;
using namespace lexiwren::bench;

int main(int argc, char *argv[])
{
    using namespace std::chrono;
    QApplication app(argc, argv);
    constexpr int durationMs = 1500;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    SteadyClock clock;
    QtEventPump pump;
    FakeProgramEnd end; // the wait must not quit the application
    PacedWait wait(clock, pump, end);

    std::printf("Long wait: %d waits of %d ms, platform %s, dispatcher %s\n\n", runs, durationMs,
                qPrintable(QApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className());

    const ProcessorUse before = processorUse();
    const steady_clock::time_point wallBefore = steady_clock::now();
    std::vector<double> overshoots;
    for (int run = 1; run <= runs; ++run) {
        const steady_clock::time_point started = steady_clock::now();
        wait.pause(durationMs);
        const duration<double, std::milli> overshoot = steady_clock::now() - started - milliseconds(durationMs);
        overshoots.push_back(overshoot.count());
        std::printf("wait %2d: overshoot %.3f ms\n", run, overshoot.count());
    }
    const double wall = duration<double>(steady_clock::now() - wallBefore).count();
    const double processor = 100.0 * (processorUse().seconds - before.seconds) / wall;

    printTargetHeader();
    const double middle = median(overshoots);
    const double lowest = minimum(overshoots);
    printTarget("wait: 1500 ms, overshoot median", middle, "ms", "<= 2 ms", middle <= 2.0);
    printTarget("wait: 1500 ms, overshoot minimum", lowest, "ms", ">= 0 ms", lowest >= 0.0);
    printTarget("wait: 1500 ms, processor", processor, "%", "< 2 % of one core", processor < 2.0);
    return 0;
}
