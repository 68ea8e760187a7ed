// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Times readQuestionFile on one file: load_bench FILE [RUNS]
// Prints the median time of RUNS loads (default 21) and the process's peak memory.
#include "deck/QuestionFile.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

using namespace lexiwren;

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;

    std::vector<qint64> nanoseconds;
    nanoseconds.reserve(static_cast<size_t>(runs));
    QuestionFileResult result;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        result = readQuestionFile(path);
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::sort(nanoseconds.begin(), nanoseconds.end());

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    if (const auto *error = std::get_if<QuestionFileError>(&result))
        std::printf("result: error %d at line %d\n", static_cast<int>(error->kind), error->lineNumber);
    else
        std::printf("result: %lld cards\n",
                    static_cast<long long>(std::get<QuestionFileContents>(result).lines.size()));
    std::printf("runs: %d\nmedian: %.3f ms\npeak RSS: %ld KiB\n", runs,
                static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1e6, usage.ru_maxrss);
    return 0;
}
