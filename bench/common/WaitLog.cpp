// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WaitLog.h"

#include <QCoreApplication>

namespace lexiwren::bench {

void WaitLog::clear()
{
    m_waits.clear();
    m_lastWasReading = false;
    m_awaitingFirstPump = false;
}

void WaitLog::clockRead(nanoseconds at)
{
    if (m_lastWasReading) {
        // Two readings without a pump call between: the first opened a wait.
        m_waits.push_back({m_lastReading, nanoseconds::zero(), m_lastReading});
        m_awaitingFirstPump = true;
        if (onWaitStart)
            onWaitStart();
    }
    m_lastReading = at;
    m_lastWasReading = true;
}

void WaitLog::pumpEntered(nanoseconds maxWait)
{
    if (m_awaitingFirstPump && !m_waits.empty()) {
        // maxWait = start + duration - (this reading), so the sum is exact.
        WaitRecord &wait = m_waits.back();
        wait.duration = maxWait + (m_lastReading - wait.start);
        m_awaitingFirstPump = false;
    }
    m_lastWasReading = false;
}

void WaitLog::pumpLeft(nanoseconds at)
{
    if (!m_waits.empty())
        m_waits.back().end = at;
}

nanoseconds TimingClock::now()
{
    const nanoseconds at = m_inner.now();
    m_log.clockRead(at);
    return at;
}

void TimingPump::processEvents(nanoseconds maxWait)
{
    m_log.pumpEntered(maxWait);
    m_inner->processEvents(maxWait);
    m_log.pumpLeft(m_clock.now());
}

void SpinningPump::processEvents(nanoseconds)
{
    QCoreApplication::processEvents();
}

} // namespace lexiwren::bench
