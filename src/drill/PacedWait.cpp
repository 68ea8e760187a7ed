// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PacedWait.h"

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"

#include <algorithm>
#include <chrono>

namespace lexiwren {

PacedWait::PacedWait(Clock &clock, EventPump &pump, ProgramEnd &end)
    : m_clock(clock)
    , m_pump(pump)
    , m_end(end)
{
}

bool PacedWait::pause(qint32 durationMs)
{
    using std::chrono::nanoseconds;

    if (m_end.isEnding())
        return false;

    // Compared in nanoseconds: truncating the clock to milliseconds could end
    // the wait up to a millisecond early.
    const nanoseconds duration = std::chrono::milliseconds(durationMs);
    const nanoseconds start = m_clock.now();
    nanoseconds now = start;
    for (;;) {
        // Tested against the reading taken before the last event processing,
        // so the pass that wakes at the deadline runs the events once more,
        // without waiting, and the window is current when the wait returns.
        if (now - start >= duration)
            return true;
        now = m_clock.now();
        // Sleeping in the pump until an event or the deadline keeps the
        // processor idle during a long pause.
        m_pump.processEvents(std::max(nanoseconds::zero(), start + duration - now));
        if (m_end.isEnding())
            return false;
    }
}

} // namespace lexiwren
