// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The one wait of a drill: a card's own time, the bell before a spoken word
// and the word itself all hold the screen through it, with the window alive
// and the learner's pause, next and stop seen the same way in each.
#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>

namespace lexiwren {

class Clock;
class DrillControl;
class EventPump;
class ProgramEnd;

class DrillWait
{
public:
    enum class End {
        Done,    // the time is over, or what the wait was for has happened
        Skipped, // the learner asked for the next step
        Stopped, // the drill is stopped or the program ends: no further step
    };

    // What a wait holds for besides its time.
    struct Hold
    {
        std::chrono::nanoseconds limit{}; // of time not spent paused
        // Ends the wait before its limit once true.
        std::function<bool()> isOver = {};
        // Starts what the wait is for (a word said), once the wait is not paused.
        std::function<void()> begin = {};
        // Cuts it off when a pause, the next step, a stop or the end comes.
        std::function<void()> cutOff = {};
        // After a pause it begins again, with its whole limit.
        bool beginsAgainAfterPause = false;
    };

    // With a control, the learner can also pause the wait, end it early or
    // stop the drill; without one, only the program's end cuts it short.
    DrillWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl *control = nullptr);

    // The card's own time: returns once at least durationMs have passed by
    // the clock, time paused not counted, processing window events meanwhile
    // (a click handler can run inside, even a whole nested drill). A duration
    // of 0 or less returns at once without touching the event queue. False
    // when the program is ending or the learner stops the drill, so the
    // caller takes no further step; a request for the next step returns true
    // at once.
    bool wait(qint32 durationMs);

    // The general wait behind wait(). The clock is read before each event
    // processing and tested on the next pass, so the pass that wakes at the
    // limit runs the events once more, without waiting, and the window is
    // current when the wait returns.
    End hold(const Hold &hold);

private:
    bool isStopping() const;

    Clock &m_clock;
    EventPump &m_pump;
    ProgramEnd &m_end;
    DrillControl *m_control;
};

} // namespace lexiwren
