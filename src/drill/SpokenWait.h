// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Holds a card while its English word is spoken, before the card's own time
// starts: until the speech ends, or five seconds at most.
#pragma once

#include <QString>

#include <chrono>

namespace lexiwren {

class Clock;
class DrillControl;
class EventPump;
class ProgramEnd;
class Speaker;

class SpokenWait
{
public:
    // The longest a word may take before the card's time starts anyway.
    static constexpr std::chrono::nanoseconds Cap = std::chrono::seconds(5);

    enum class Outcome {
        Spoken,  // the card's own time starts now
        Skipped, // the learner asked for the next step: the phase is over
        Stopped, // the drill is stopped or the program ends: no further step
    };

    SpokenWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl &control, Speaker &speaker);

    // Says the word and waits, processing window events meanwhile. A pause
    // cuts the word off; resuming says it again from the start.
    Outcome sayAndWait(const QString &word);

private:
    Clock &m_clock;
    EventPump &m_pump;
    ProgramEnd &m_end;
    DrillControl &m_control;
    Speaker &m_speaker;
};

} // namespace lexiwren
