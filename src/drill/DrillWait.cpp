// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrillWait.h"

#include "DrillControl.h"

#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"

#include <algorithm>

namespace lexiwren {

using std::chrono::nanoseconds;

DrillWait::DrillWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl *control)
    : m_clock(clock)
    , m_pump(pump)
    , m_end(end)
    , m_control(control)
{
}

bool DrillWait::wait(qint32 durationMs)
{
    // Compared in nanoseconds: truncating the clock to milliseconds could end
    // the wait up to a millisecond early.
    return hold({std::chrono::milliseconds(durationMs)}) != End::Stopped;
}

bool DrillWait::isStopping() const
{
    return m_control && m_control->isStopping();
}

DrillWait::End DrillWait::hold(const Hold &hold)
{
    if (m_end.isEnding() || isStopping())
        return End::Stopped;
    const auto cutOff = [&hold](End end) {
        if (hold.cutOff)
            hold.cutOff();
        return end;
    };
    const auto pausedSoFar = [this](nanoseconds at) {
        return m_control ? m_control->pausedTotal(at) : nanoseconds::zero();
    };

    const auto isOver = [&hold] { return hold.isOver && hold.isOver(); };

    nanoseconds start = m_clock.now();
    // Time paused during this wait moves its limit on.
    nanoseconds pausedAtStart = pausedSoFar(start);
    nanoseconds now = start;
    bool toBegin = true;
    bool begunBefore = false;
    for (;;) {
        if (isStopping())
            return cutOff(End::Stopped);
        if (m_control && m_control->takeNext())
            return cutOff(End::Skipped);
        const bool paused = m_control && m_control->isPaused();
        if (paused && !toBegin && hold.beginsAgainAfterPause && !isOver()) {
            cutOff(End::Done);
            toBegin = true;
        }
        if (!paused && toBegin) {
            if (begunBefore) {
                start = now = m_clock.now();
                pausedAtStart = pausedSoFar(start);
            }
            if (hold.begin)
                hold.begin();
            toBegin = false;
            begunBefore = true;
        }
        const nanoseconds deadline = start + hold.limit + (pausedSoFar(now) - pausedAtStart);
        if (!paused && (now >= deadline || isOver()))
            return End::Done;
        now = m_clock.now();
        // Sleeping in the pump until an event or the deadline keeps the
        // processor idle, and a paused wait sleeps until woken.
        m_pump.processEvents(paused ? DrillControl::PausedSleep : std::max(nanoseconds::zero(), deadline - now));
        if (m_end.isEnding())
            return cutOff(End::Stopped);
    }
}

} // namespace lexiwren
