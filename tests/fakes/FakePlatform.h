// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every seam faked at once, for tests of the whole window. By default each
// pump call runs the window's pending events and then lets the clock jump to
// the deadline, so a drill runs through without real waiting.
#pragma once

#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeProgramEnd.h"
#include "fakes/ScriptedRandom.h"
#include "platform/Platform.h"

#include <QCoreApplication>

namespace lexiwren {

struct FakePlatform
{
    FakeClock clock;
    FakeEventPump pump;
    FakeBeeper beeper;
    ScriptedRandom random;
    FakeProgramEnd end;

    FakePlatform()
    {
        beeper.clock = &clock;
        runEventsAndSleep();
    }

    // The default pump: what the real one does, minus the real time.
    // duringWait runs once in each wait, where the real pump would sleep.
    void runEventsAndSleep(std::function<void()> duringWait = {})
    {
        pump.setHook([this, duringWait](std::chrono::nanoseconds maxWait) {
            QCoreApplication::processEvents();
            if (duringWait && maxWait.count() > 0)
                duringWait();
            clock.advance(maxWait);
        });
    }

    Platform platform() { return {clock, pump, beeper, random, end}; }
};

} // namespace lexiwren
