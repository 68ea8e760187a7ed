// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading a 99-card file against a 1 GiB file whose first 99 lines are the
// same cards. Each load runs in a process of its own (this program again,
// with --load FILE: the median of 21 calls of readQuestionFile), the two
// files alternately, so that each process's peak memory belongs to one file.
// The files are written to a fresh folder under /tmp and removed at the end.
//   load_bench [PROCESSES]   (default 5 per file)
#include "common/Bench.h"
#include "deck/QuestionFile.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace lexiwren;
using namespace lexiwren::bench;

namespace {

constexpr int Loads = 21;

int loadOnce(const char *file)
{
    const QString path = QString::fromLocal8Bit(file);
    std::vector<double> times;
    QuestionFileResult result;
    for (int i = 0; i < Loads; ++i) {
        const nanoseconds start = now();
        result = readQuestionFile(path);
        times.push_back(static_cast<double>((now() - start).count()));
    }
    // This process's own peak since it started: the one wait4 reports would
    // also count the launcher's memory, which fork copied here. Read with a
    // small buffer of its own, as Qt's readAll would grow the peak it reads.
    long long peakKiB = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) && std::sscanf(line, "VmHWM: %lld", &peakKiB) != 1) {
        }
        std::fclose(status);
    }
    const auto *contents = std::get_if<QuestionFileContents>(&result);
    std::printf("cards %lld\nmedian-ns %.0f\npeak-kib %lld\n",
                contents ? static_cast<long long>(contents->lines.size()) : -1LL, median(times), peakKiB);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return loadOnce(argv[2]);
    const int processes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir folder;
    const char *names[2] = {"cards-99", "cards-1gib"};
    const std::string paths[2] = {folder.filePath(QStringLiteral("cards-99.txt")).toStdString(),
                                  folder.filePath(QStringLiteral("cards-1gib.txt")).toStdString()};
    if (!folder.isValid() || !writeDeckFile(QString::fromStdString(paths[0]), sampleCardLines(99))
        || !writeDeckFile(QString::fromStdString(paths[1]), sampleCardLines(99), qint64(1) << 30))
        return 1;

    std::printf("Loading: median of %d loads per process (readQuestionFile), peak memory of the process;\n"
                "%d processes per file, alternating\n\n%-4s %-12s %12s %10s\n",
                Loads, processes, "run", "file", "median ms", "peak MiB");
    std::vector<double> medianMs[2], peakMiB[2];
    for (int run = 1; run <= processes; ++run) {
        for (int which = 0; which < 2; ++which) {
            const ChildRun child = runChild({"/proc/self/exe", "--load", paths[which]});
            if (child.status != 0 || printedNumber(child.printed, "cards") != 99) {
                std::fprintf(stderr, "%s: %s\n", names[which], child.printed.c_str());
                return 1;
            }
            medianMs[which].push_back(printedNumber(child.printed, "median-ns") / 1e6);
            peakMiB[which].push_back(printedNumber(child.printed, "peak-kib") / 1024.0);
            std::printf("%-4d %-12s %12.3f %10.2f\n", run, names[which], medianMs[which].back(), peakMiB[which].back());
        }
    }

    const double small = median(medianMs[0]), big = median(medianMs[1]);
    const double memory = median(peakMiB[1]) - median(peakMiB[0]);
    std::printf("\nmedians\n");
    for (int which = 0; which < 2; ++which)
        std::printf("%-17s %12.3f %10.2f\n", names[which], median(medianMs[which]), median(peakMiB[which]));
    printTargetHeader();
    printFigure("load: 99-card file", withUnit(small, "ms", 3));
    printFigure("load: 1 GiB file", withUnit(big, "ms", 3));
    printFigure("load: 1 GiB file / 99-card file", withUnit(big / small, "x"));
    printFigure("load: 1 GiB file minus 99-card file", withUnit(big - small, "ms", 3), "< 1 ms (as fast)",
                big - small < 1.0);
    printFigure("load: peak memory, 1 GiB minus 99-card", withUnit(memory, "MiB"), "<= 4 MiB", memory <= 4.0);
    return 0;
}
