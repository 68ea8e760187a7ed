// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How soon after beep() a wait that sleeps in the event pump learns that the
// desktop's bell has ended: the sound's own length plus what libcanberra and
// the wake-up add. Without a sound server the toolkit's beep stands in and
// nothing is sounding at all.
//   bell_timing [BELLS] [-v]
#include "common/Bench.h"
#include "platform/CanberraBeeper.h"
#include "platform/QtEventPump.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

using namespace lexiwren;
using namespace lexiwren::bench;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int bells = 10;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            bells = std::max(1, std::atoi(argv[i]));
    }
    CanberraBeeper beeper;
    QtEventPump pump;
    std::vector<double> ends;
    int sounded = 0;
    for (int bell = 0; bell < bells; ++bell) {
        const nanoseconds start = now();
        beeper.beep();
        if (!beeper.isSounding())
            continue;
        ++sounded;
        // A long sleep each time: only the end's wake-up can cut it short.
        while (beeper.isSounding() && now() - start < std::chrono::seconds(10))
            pump.processEvents(std::chrono::seconds(5));
        ends.push_back(ms(now() - start));
        if (verbose)
            std::printf("bell %d: end seen after %.1f ms\n", bell + 1, ends.back());
    }
    printTargetHeader();
    printFigure("bell: bells that report their end", QString::number(sounded) + u'/' + QString::number(bells));
    if (!ends.empty()) {
        printFigure("bell: beep to its end seen (median)", withUnit(median(ends), "ms"));
        printFigure("bell: beep to its end seen (worst)", withUnit(maximum(ends), "ms"));
    }
    return 0;
}
