// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <unistd.h>

namespace lexiwren::bench {

namespace {

long long clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Nanoseconds since the process began.
long long sinceStart()
{
    if (const char *t0 = std::getenv("LEXIWREN_BENCH_T0_NS"))
        return clockNs(CLOCK_MONOTONIC) - std::atoll(t0);
    // Field 22 of /proc/self/stat, in ticks since boot; the command name
    // before it may hold spaces, so count from its closing parenthesis.
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const long long ticks = fields.size() > 19 ? fields[19].toLongLong() : 0;
    return clockNs(CLOCK_BOOTTIME) - ticks * (1000000000LL / sysconf(_SC_CLK_TCK));
}

} // namespace

void noteStartupStep(const char *name)
{
    std::printf("step %s %lld\n", name, sinceStart());
}

FirstFrame::FirstFrame(QWidget *window)
    : m_window(window)
{
    m_window->installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_seen && watched == m_window && event->type() == QEvent::Paint) {
        m_seen = true;
        noteStartupStep("paint");
        // Queued: it runs once this paint, the children's and the flush are done.
        QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
    }
    return false;
}

void FirstFrame::report()
{
    std::printf("first-frame-ns %lld\n", sinceStart());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace lexiwren::bench
