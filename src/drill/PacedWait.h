// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Holding a card on screen while the window stays alive.
#pragma once

#include <QtGlobal>

namespace lexiwren {

class Clock;
class DrillControl;
class EventPump;
class ProgramEnd;

class PacedWait
{
public:
    // With a control, the learner can also pause the wait, end it early or
    // stop the drill; without one, only the program's end cuts it short.
    PacedWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl *control = nullptr);

    // Returns once at least durationMs have passed by the clock, processing
    // window events meanwhile (a click handler can run inside, even a whole
    // nested drill). A duration of 0 or less returns at once without touching
    // the event queue. Returns early only when the program is ending or the
    // learner stops the drill; the result is false then, so the caller takes
    // no further step. A request for the next step returns true at once; time
    // spent paused does not count, and a paused wait holds whatever its duration.
    bool pause(qint32 durationMs);

private:
    Clock &m_clock;
    EventPump &m_pump;
    ProgramEnd &m_end;
    DrillControl *m_control;
};

} // namespace lexiwren
