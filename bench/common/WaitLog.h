// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where each paced wait of a drill began and ended, seen from the clock and
// the event pump the window is given.
//
// A wait reads the clock twice in a row when it starts, then alternates pump
// calls and readings; it returns right after its last pump call. So a reading
// followed by another reading opens a wait, and the pump's maxWait on the
// first call gives its exact duration. Waits of 0 ms, which read the clock
// once, would confuse this; the benchmarks never ask for them.
#pragma once

#include "platform/Clock.h"
#include "platform/EventPump.h"

#include <chrono>
#include <functional>
#include <vector>

namespace lexiwren::bench {

using std::chrono::nanoseconds;

struct WaitRecord
{
    nanoseconds start{};    // the wait's own first clock reading
    nanoseconds duration{}; // what it was asked for
    nanoseconds end{};      // when its last pump call returned
};

class WaitLog
{
public:
    void clear();
    const std::vector<WaitRecord> &waits() const { return m_waits; }

    // Runs when a wait has just started, before it first pumps events: the
    // window shows the step the wait holds.
    std::function<void()> onWaitStart;

    void clockRead(nanoseconds at);
    void pumpEntered(nanoseconds maxWait);
    void pumpLeft(nanoseconds at);

private:
    std::vector<WaitRecord> m_waits;
    nanoseconds m_lastReading{};
    bool m_lastWasReading = false;
    bool m_awaitingFirstPump = false;
};

// Passes readings through and notes each one.
class TimingClock final : public Clock
{
public:
    TimingClock(Clock &inner, WaitLog &log)
        : m_inner(inner)
        , m_log(log)
    {
    }
    nanoseconds now() override;

private:
    Clock &m_inner;
    WaitLog &m_log;
};

// Passes pump calls to whichever pump is set and notes when each returned,
// on a clock of its own so the log's readings stay the wait's alone.
class TimingPump final : public EventPump
{
public:
    TimingPump(EventPump &inner, Clock &clock, WaitLog &log)
        : m_inner(&inner)
        , m_clock(clock)
        , m_log(log)
    {
    }
    void setInner(EventPump &inner) { m_inner = &inner; }
    void processEvents(nanoseconds maxWait) override;

private:
    EventPump *m_inner;
    Clock &m_clock;
    WaitLog &m_log;
};

// The wait without sleeping: runs the pending events and comes straight back,
// whatever maxWait says. The busy loop the sleeping pump is measured against.
class SpinningPump final : public EventPump
{
public:
    void processEvents(nanoseconds maxWait) override;
};

} // namespace lexiwren::bench
