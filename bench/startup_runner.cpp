// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and a baseline in turn, RUNS times each after one
// unmeasured start of each, and compares their start-up: the time to the
// first frame (each prints it, see startup_probe.cpp), the time to exit, and
// the peak resident memory.
//   startup_runner RUNS PROGRAM BASELINE
// Both run in the current folder, on the platform QT_QPA_PLATFORM names.
#include "common/Bench.h"

#include <cstdio>
#include <cstdlib>

using namespace lexiwren::bench;

namespace {

// The steps each program notes on its way to the first frame, then the
// frame and the exit; medians in ms.
const char *const Columns[] = {"main", "app", "built", "shown", "paint", "frame", "exit"};
constexpr int ColumnCount = 7;

struct Program
{
    std::string path, name;
    std::vector<double> columns[ColumnCount], peakMiB;
    double median(int column) const { return lexiwren::bench::median(columns[column]); }
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Program programs[2];
    for (int which = 0; which < 2; ++which) {
        programs[which].path = argv[2 + which];
        programs[which].name = programs[which].path.substr(programs[which].path.rfind('/') + 1);
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    const std::string on = platform ? platform : "default";

    std::printf("Start-up on %s: process start to first frame flushed, to exit, and peak memory; %d runs each,\n"
                "alternating, after one unmeasured start of each\n\n",
                on.c_str(), runs);
    for (const Program &program : programs)
        runChild({program.path});

    std::printf("%-4s %-15s %14s %9s %10s\n", "run", "program", "first frame ms", "exit ms", "peak MiB");
    int failures = 0;
    for (int run = 1; run <= runs; ++run) {
        for (Program &program : programs) {
            const ChildRun child = runChild({program.path});
            for (int column = 0; column < 5; ++column)
                program.columns[column].push_back(printedNumber(child.printed, std::string("step ") + Columns[column])
                                                  / 1e6);
            const double frameMs = printedNumber(child.printed, "first-frame-ns") / 1e6;
            program.columns[5].push_back(frameMs);
            program.columns[6].push_back(child.exitMs);
            program.peakMiB.push_back(child.peakMiB);
            const bool failed = frameMs < 0 || child.status != 0;
            failures += failed;
            std::printf("%-4d %-15s %14.1f %9.1f %10.1f%s\n", run, program.name.c_str(), frameMs, child.exitMs,
                        child.peakMiB, failed ? "  (failed)" : "");
        }
    }

    std::printf("\nmedians\n");
    for (const Program &p : programs)
        std::printf("%-20s %14.1f %9.1f %10.1f\n", p.name.c_str(), p.median(5), p.median(6), median(p.peakMiB));
    const double frameRatio = programs[0].median(5) / programs[1].median(5);
    const double peakRatio = median(programs[0].peakMiB) / median(programs[1].peakMiB);
    std::printf("%-20s %14.2f %9.2f %10.2f\n", "ratio", frameRatio, programs[0].median(6) / programs[1].median(6),
                peakRatio);

    // Where the time went: how much longer the program took than the
    // baseline from one step to the next.
    std::printf("\nms since process start (medians): main() entered, QApplication made, window built,\n"
                "shown, first paint event, frame flushed, process ended\n%-20s",
                "");
    for (const char *column : Columns)
        std::printf(" %7s", column);
    for (const Program &p : programs) {
        std::printf("\n%-20s", p.name.c_str());
        for (int column = 0; column < ColumnCount; ++column)
            std::printf(" %7.1f", p.median(column));
    }
    std::printf("\n%-20s", "added by program");
    for (int column = 0; column < ColumnCount; ++column) {
        const auto added = [&](int c) { return c < 0 ? 0.0 : programs[0].median(c) - programs[1].median(c); };
        std::printf(" %+7.1f", added(column) - added(column - 1));
    }
    std::printf("\n");

    printTargetHeader();
    printFigure("start-up: " + on + " first frame", withUnit(programs[0].median(5), "ms"));
    printFigure("start-up: " + on + " frame / bare window", withUnit(frameRatio, "x"), "<= 1.3 x", frameRatio <= 1.3);
    printFigure("start-up: " + on + " peak memory", withUnit(median(programs[0].peakMiB), "MiB"));
    printFigure("start-up: " + on + " memory / bare window", withUnit(peakRatio, "x"), "<= 1.5 x", peakRatio <= 1.5);
    if (failures)
        std::fprintf(stderr, "%d starts failed or printed no first frame\n", failures);
    return failures ? 1 : 0;
}
