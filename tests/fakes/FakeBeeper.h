// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts beeps instead of sounding them. Given a clock, each beep "sounds"
// for soundsFor of that clock's time.
#pragma once

#include "fakes/FakeClock.h"
#include "platform/Beeper.h"

#include <chrono>
#include <functional>

namespace lexiwren {

class FakeBeeper final : public Beeper
{
public:
    void beep() override
    {
        ++count;
        if (clock)
            m_soundingUntil = clock->peek() + soundsFor;
        if (onBeep)
            onBeep();
    }
    bool isSounding() const override { return clock && clock->peek() < m_soundingUntil; }

    int count = 0;
    std::function<void()> onBeep;
    const FakeClock *clock = nullptr;
    std::chrono::nanoseconds soundsFor{};

private:
    std::chrono::nanoseconds m_soundingUntil{};
};

} // namespace lexiwren
