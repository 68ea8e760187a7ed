// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window on the real clock, in a folder of its own with one question
// file loaded, each of its waits timed around the window's own Pause. No
// sound, and the program's end only raises a flag.
#pragma once

#include "Bench.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeProgramEnd.h"
#include "platform/MersenneRandom.h"
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace lexiwren::bench {

struct TimedWait
{
    nanoseconds start{};    // when the view's hold was called
    nanoseconds duration{}; // what it was asked for
    nanoseconds end{};      // when it returned
};

// A drill reaches Form1::Pause through the view's hold, the card's own time;
// this window times that call and changes nothing else. With speech on, the
// word is said before it, outside the timed call.
class TimedForm final : public Form1
{
public:
    using Form1::Form1;

    std::vector<TimedWait> waits;
    // Runs as each wait begins: the window shows the step the wait holds.
    std::function<void()> onWaitStart;

private:
    bool hold(qint32 durationMs) override;
};

// The window's pump: the program's own, which sleeps until the deadline or
// the next event, or one that only spins, against which it is measured.
class ChoosablePump final : public EventPump
{
public:
    void processEvents(nanoseconds maxWait) override;
    bool spinning = false;

private:
    QtEventPump m_sleeping;
};

class DrillRig
{
public:
    // Writes a file of sample cards, opens the window on it, loads it, shows
    // the window and lets its first frames settle.
    explicit DrillRig(int cards);
    ~DrillRig();

    // False, after a message on stderr, when the window could not be set up.
    bool ready() const { return m_ready; }
    TimedForm &form() { return *m_form; }
    void useSpinningPump(bool spinning) { m_pump.spinning = spinning; }

    // Selects a file of the rig's folder, which is the working one, in the
    // file list; false when the list does not show it.
    bool selectFile(const QString &name);
    // Answers on, sound off, and the given speed.
    void setDrillOptions(const QString &speed);
    // The English-first drill in file order, as a click on its button runs
    // it; returns its waits.
    std::vector<TimedWait> runDrill();
    // Runs the event loop for a while, as the idle window would.
    static void settle(std::chrono::milliseconds time);

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
    SteadyClock m_clock;
    ChoosablePump m_pump;
    FakeBeeper m_beeper;
    MersenneRandom m_random;
    FakeProgramEnd m_end;
    std::unique_ptr<TimedForm> m_form;
    bool m_ready = false;
};

// The start of each window benchmark's main: the application, the command
// line [COUNT] [-v] (-v for every sample, not only the summary), and a line
// naming the platform and event dispatcher the figures come from.
struct Arguments
{
    int count;
    bool verbose;
};
int windowBenchmark(int argc, char *argv[], int defaultCount, const std::function<int(Arguments)> &body);

} // namespace lexiwren::bench
