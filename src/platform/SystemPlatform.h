// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real outside world: steady clock, Qt's event pump, the desktop's bell,
// the Mersenne twister, and an end that unwinds every wait.
#pragma once

#include "CanberraBeeper.h"
#include "MersenneRandom.h"
#include "Platform.h"
#include "QtEventPump.h"

#include <functional>

namespace lexiwren {

class SteadyClock final : public Clock
{
public:
    std::chrono::nanoseconds now() override;
};

class QtProgramEnd final : public ProgramEnd
{
public:
    void endProgram() override;
    bool isEnding() const override { return m_ending; }
    // A window with work not saved may hold the end: holds() asks its own
    // question and returns true, and the program goes on; the learner ends
    // again once it is answered.
    void setHold(std::function<bool()> holds) { m_holds = std::move(holds); }

private:
    bool m_ending = false;
    std::function<bool()> m_holds;
};

class SystemPlatform
{
public:
    Platform platform() { return {m_clock, m_pump, m_beeper, m_random, m_end}; }
    QtProgramEnd &programEnd() { return m_end; }

private:
    SteadyClock m_clock;
    QtEventPump m_pump;
    CanberraBeeper m_beeper;
    MersenneRandom m_random;
    QtProgramEnd m_end;
};

} // namespace lexiwren
