// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <thread>

namespace lexiwren {

void QtEventPump::processEvents(std::chrono::nanoseconds maxWait)
{
    using namespace std::chrono;
    if (maxWait <= nanoseconds::zero()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }

    // Linux lets poll() wake late by up to 0.1% of its timeout (0.5% for a
    // niced process): a 1.5 s sleep in one go ends about 1.5 ms past the
    // deadline. So the sleep stops that margin short, and whole milliseconds
    // short since Qt's timers count in them; the caller comes back with the
    // few milliseconds left, whose lateness is down to the kernel's 50 µs.
    const milliseconds sleep = floor<milliseconds>(maxWait - maxWait / 200);
    if (sleep <= milliseconds::zero()) {
        // Under a millisecond: below what a Qt timer can express. Sleeping
        // outright delays an event by at most this long, which nobody sees.
        std::this_thread::sleep_for(maxWait);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }

    // The dispatcher wakes on the next window event or on this timer,
    // whichever comes first.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(std::min(sleep, milliseconds(INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace lexiwren
