// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and a baseline in turn, RUNS times each after one unmeasured
// start of each, and compares their start-up: the time to the first frame
// (each prints it, see common/FirstFrame.h), the time to exit, and the peak
// resident memory.
//   startup_runner RUNS PROGRAM BASELINE
// Both run in the current folder, on the platform QT_QPA_PLATFORM names.
#include "common/Report.h"
#include "common/Stats.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lexiwren::bench;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The steps a program notes on its way to the first frame, in order.
const char *const Steps[] = {"main", "app", "built", "shown", "paint"};
constexpr int StepCount = 5;

struct Start
{
    double stepMs[StepCount] = {};
    double firstFrameMs = -1.0; // negative: the program did not report one
    double exitMs = 0.0;
    double peakMiB = 0.0;
    int status = 0;
};

// Milliseconds of the line "KEY NANOSECONDS" in printed, or -1.
double printedMs(const std::string &printed, const std::string &key)
{
    const size_t at = printed.find(key + ' ');
    return at == std::string::npos ? -1.0 : std::atof(printed.c_str() + at + key.size() + 1) / 1e6;
}

Start start(const char *program)
{
    Start result;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        std::exit(1);
    }
    const long long t0 = monotonicNs();
    setenv("LEXIWREN_BENCH_T0_NS", std::to_string(t0).c_str(), 1);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        execl(program, program, static_cast<char *>(nullptr));
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(errno));
        _exit(127);
    }
    close(out[1]);
    std::string printed;
    char buffer[512];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            printed.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            break;
    }
    close(out[0]);
    rusage usage{};
    while (wait4(child, &result.status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.exitMs = static_cast<double>(monotonicNs() - t0) / 1e6;
    result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.firstFrameMs = printedMs(printed, "first-frame-ns");
    for (int step = 0; step < StepCount; ++step)
        result.stepMs[step] = printedMs(printed, std::string("step ") + Steps[step]);
    return result;
}

struct Columns
{
    std::vector<double> steps[StepCount];
    std::vector<double> firstFrame, exit, peak;
    void add(const Start &s)
    {
        for (int step = 0; step < StepCount; ++step)
            steps[step].push_back(s.stepMs[step]);
        firstFrame.push_back(s.firstFrameMs);
        exit.push_back(s.exitMs);
        peak.push_back(s.peakMiB);
    }
};

// Where the time went: each step's median for both programs, and how much
// longer the program took than the baseline between one step and the next.
void printSteps(const std::string names[2], const Columns columns[2], const double first[2], const double exit[2])
{
    std::printf("\nms since process start (medians): main() entered, QApplication made, window built,\n"
                "shown, first paint event, frame flushed, process ended\n");
    std::printf("%-20s", "");
    for (const char *step : Steps)
        std::printf(" %7s", step);
    std::printf(" %7s %7s\n", "frame", "exit");
    double stepMedians[2][StepCount + 2];
    for (int which = 0; which < 2; ++which) {
        for (int step = 0; step < StepCount; ++step)
            stepMedians[which][step] = median(columns[which].steps[step]);
        stepMedians[which][StepCount] = first[which];
        stepMedians[which][StepCount + 1] = exit[which];
        std::printf("%-20s", names[which].c_str());
        for (double ms : stepMedians[which])
            std::printf(" %7.1f", ms);
        std::printf("\n");
    }
    std::printf("%-20s", "added by program");
    for (int step = 0; step < StepCount + 2; ++step) {
        const double before = step ? stepMedians[0][step - 1] - stepMedians[1][step - 1] : 0.0;
        std::printf(" %+7.1f", stepMedians[0][step] - stepMedians[1][step] - before);
    }
    std::printf("\n");
}

std::string baseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char *programs[2] = {argv[2], argv[3]};
    const std::string names[2] = {baseName(argv[2]), baseName(argv[3])};
    const char *platform = std::getenv("QT_QPA_PLATFORM");

    std::printf("Start-up on %s: process start to first frame flushed, to exit, and peak memory; %d runs each,\n"
                "alternating, after one unmeasured start of each\n\n",
                platform ? platform : "the default platform", runs);
    for (const char *program : programs)
        start(program);

    std::printf("%-4s %-15s %14s %9s %10s\n", "run", "program", "first frame ms", "exit ms", "peak MiB");
    Columns columns[2];
    int failures = 0;
    for (int run = 1; run <= runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const Start s = start(programs[which]);
            columns[which].add(s);
            if (s.firstFrameMs < 0 || s.status != 0)
                ++failures;
            std::printf("%-4d %-15s %14.1f %9.1f %10.1f%s\n", run, names[which].c_str(), s.firstFrameMs, s.exitMs,
                        s.peakMiB, s.status != 0 ? "  (failed)" : "");
        }
    }

    std::printf("\nmedians\n");
    double first[2], exit[2], peak[2];
    for (int which = 0; which < 2; ++which) {
        first[which] = median(columns[which].firstFrame);
        exit[which] = median(columns[which].exit);
        peak[which] = median(columns[which].peak);
        std::printf("%-20s %14.1f %9.1f %10.1f\n", names[which].c_str(), first[which], exit[which], peak[which]);
    }

    const double frameRatio = first[0] / first[1];
    const double peakRatio = peak[0] / peak[1];
    std::printf("%-20s %14.2f %9.2f %10.2f\n", "ratio", frameRatio, exit[0] / exit[1], peakRatio);

    printSteps(names, columns, first, exit);

    const std::string on = platform ? platform : "default";
    printTargetHeader();
    printFigure(("start-up: " + on + " first frame").c_str(), first[0], "ms");
    printTarget(("start-up: " + on + " frame / bare window").c_str(), frameRatio, "x", "<= 1.3 x", frameRatio <= 1.3);
    printFigure(("start-up: " + on + " peak memory").c_str(), peak[0], "MiB");
    printTarget(("start-up: " + on + " memory / bare window").c_str(), peakRatio, "x", "<= 1.5 x", peakRatio <= 1.5);
    if (failures)
        std::fprintf(stderr, "%d starts failed or printed no first frame\n", failures);
    return failures ? 1 : 0;
}
