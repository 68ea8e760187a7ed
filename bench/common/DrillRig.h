// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window on the real clock, in a folder of its own holding one
// loaded question file, with its waits logged. The pump under the log is the
// program's sleeping one unless the spinning one is chosen. No sound, and the
// program's end only raises a flag.
#pragma once

#include "WaitLog.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeProgramEnd.h"
#include "platform/MersenneRandom.h"
#include "platform/QtEventPump.h"
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"

#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

namespace lexiwren::bench {

class DrillRig
{
public:
    // Writes a file of cards sample cards, opens the window on it, loads it,
    // shows the window and lets its first frames settle.
    explicit DrillRig(int cards);
    ~DrillRig();
    DrillRig(const DrillRig &) = delete;
    DrillRig &operator=(const DrillRig &) = delete;

    // False, after a message on stderr, when the window could not be set up.
    bool ready() const { return m_ready; }

    Form1 &form() { return *m_form; }
    WaitLog &log() { return m_log; }

    // Answers on, sound off, and the given speed.
    void setDrillOptions(const QString &speed);
    void useSleepingPump() { m_pump.setInner(m_sleeping); }
    void useSpinningPump() { m_pump.setInner(m_spinning); }

    // Runs the English-first drill in file order, as a click on its button does.
    void runDrill();
    // Runs the event loop for a while, as the idle window would.
    static void settle(std::chrono::milliseconds time);

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;

    SteadyClock m_steady;
    WaitLog m_log;
    TimingClock m_clock{m_steady, m_log};
    QtEventPump m_sleeping;
    SpinningPump m_spinning;
    TimingPump m_pump{m_sleeping, m_steady, m_log};
    FakeBeeper m_beeper;
    MersenneRandom m_random;
    FakeProgramEnd m_end;
    std::unique_ptr<Form1> m_form;
    bool m_ready = false;
};

} // namespace lexiwren::bench
