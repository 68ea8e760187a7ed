// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PacedWait.h"

#include "DrillControl.h"

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"

#include <algorithm>
#include <chrono>

namespace lexiwren {

PacedWait::PacedWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl *control)
    : m_clock(clock)
    , m_pump(pump)
    , m_end(end)
    , m_control(control)
{
}

bool PacedWait::pause(qint32 durationMs)
{
    using std::chrono::nanoseconds;

    if (m_end.isEnding() || (m_control && m_control->isStopping()))
        return false;

    // Compared in nanoseconds: truncating the clock to milliseconds could end
    // the wait up to a millisecond early.
    const nanoseconds duration = std::chrono::milliseconds(durationMs);
    const nanoseconds start = m_clock.now();
    // Time paused during this wait moves its deadline on.
    const auto pausedSoFar = [&](nanoseconds at) {
        return m_control ? m_control->pausedTotal(at) : nanoseconds::zero();
    };
    const nanoseconds pausedAtStart = pausedSoFar(start);
    nanoseconds now = start;
    for (;;) {
        if (m_control) {
            if (m_control->isStopping())
                return false;
            if (m_control->takeNext())
                return true;
        }
        const bool paused = m_control && m_control->isPaused();
        const nanoseconds deadline = start + duration + (pausedSoFar(now) - pausedAtStart);
        // Tested against the reading taken before the last event processing,
        // so the pass that wakes at the deadline runs the events once more,
        // without waiting, and the window is current when the wait returns.
        if (!paused && now >= deadline)
            return true;
        now = m_clock.now();
        // Sleeping in the pump until an event or the deadline keeps the
        // processor idle during a long pause.
        m_pump.processEvents(paused ? DrillControl::PausedSleep : std::max(nanoseconds::zero(), deadline - now));
        if (m_end.isEnding())
            return false;
    }
}

} // namespace lexiwren
