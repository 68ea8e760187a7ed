// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A clock that moves only when a test moves it.
#pragma once

#include "platform/Clock.h"

#include <chrono>

namespace lexiwren {

class FakeClock final : public Clock
{
public:
    explicit FakeClock(std::chrono::nanoseconds start = {})
        : m_now(start)
    {
    }

    // Returns the current time, then moves it on by the auto-advance step.
    std::chrono::nanoseconds now() override
    {
        ++m_readings;
        const std::chrono::nanoseconds reading = m_now;
        m_now += m_autoAdvance;
        return reading;
    }

    void set(std::chrono::nanoseconds time) { m_now = time; }
    void advance(std::chrono::nanoseconds step) { m_now += step; }
    void setAutoAdvance(std::chrono::nanoseconds step) { m_autoAdvance = step; }

    // The time the next reading returns, without counting as a reading.
    std::chrono::nanoseconds peek() const { return m_now; }
    int readings() const { return m_readings; }

private:
    std::chrono::nanoseconds m_now;
    std::chrono::nanoseconds m_autoAdvance{};
    int m_readings = 0;
};

} // namespace lexiwren
