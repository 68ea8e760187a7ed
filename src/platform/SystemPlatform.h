// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real outside world: steady clock, Qt's event pump, the desktop's bell,
// the Mersenne twister, and an end that unwinds every wait.
#pragma once

#include "CanberraBeeper.h"
#include "MersenneRandom.h"
#include "Platform.h"
#include "QtEventPump.h"

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

private:
    bool m_ending = false;
};

class SystemPlatform
{
public:
    Platform platform() { return {m_clock, m_pump, m_beeper, m_random, m_end}; }

private:
    SteadyClock m_clock;
    QtEventPump m_pump;
    CanberraBeeper m_beeper;
    MersenneRandom m_random;
    QtProgramEnd m_end;
};

} // namespace lexiwren
