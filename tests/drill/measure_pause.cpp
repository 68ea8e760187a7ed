// How late pause(1500) returns on the real event loop, and what the wait
// costs in processor time. Prints figures; asserts nothing. Not run by CTest.
#include "drill/PacedWait.h"
#include "fakes/FakeProgramEnd.h"
#include "platform/QtEventPump.h"
#include "platform/SystemPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace std::chrono;
    QApplication app(argc, argv);
    constexpr int durationMs = 1500;
    constexpr int runs = 10;

    lexiwren::SteadyClock clock;
    lexiwren::QtEventPump pump;
    lexiwren::FakeProgramEnd end;
    lexiwren::PacedWait wait(clock, pump, end);

    std::printf("platform %s, dispatcher %s\n", qPrintable(QApplication::platformName()),
                QAbstractEventDispatcher::instance()->metaObject()->className());

    const double cpuBefore = processCpuSeconds();
    const steady_clock::time_point wallBefore = steady_clock::now();
    double worst = 0.0;
    for (int run = 1; run <= runs; ++run) {
        const steady_clock::time_point started = steady_clock::now();
        wait.pause(durationMs);
        const duration<double, std::milli> overshoot = steady_clock::now() - started - milliseconds(durationMs);
        worst = std::max(worst, overshoot.count());
        std::printf("pause %2d: overshoot %.3f ms\n", run, overshoot.count());
    }
    const double wall = duration<double>(steady_clock::now() - wallBefore).count();
    const double cpu = processCpuSeconds() - cpuBefore;
    std::printf("worst overshoot %.3f ms; cpu %.4f s over %.3f s wall = %.3f%%\n", worst, cpu, wall,
                100.0 * cpu / wall);
    return 0;
}
