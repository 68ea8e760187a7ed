// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The paced wait on the real clock and Qt's event loop.
#include "drill/DrillWait.h"
#include "fakes/FakeProgramEnd.h"
#include "platform/QtEventPump.h"
#include "platform/SystemPlatform.h"

#include <QTest>
#include <QTimer>

#include <chrono>
#include <optional>

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

namespace lexiwren {

class TestPacedWaitQt : public QObject
{
    Q_OBJECT

private slots:
    void timerFiresInsideTheWait();
};

void TestPacedWaitQt::timerFiresInsideTheWait()
{
    SteadyClock clock;
    QtEventPump pump;
    FakeProgramEnd end;
    DrillWait wait(clock, pump, end);

    std::optional<Steady::time_point> firedAt;
    QTimer::singleShot(20ms, this, [&] { firedAt = Steady::now(); });

    const Steady::time_point started = Steady::now();
    const bool completed = wait.wait(100);
    const Steady::time_point returned = Steady::now();

    QVERIFY(completed);
    // The slot ran inside the wait: nothing else processed events meanwhile.
    QVERIFY(firedAt.has_value());
    QVERIFY(*firedAt <= returned);
    // Only a lower bound: an upper one would flake on a loaded machine.
    QVERIFY(returned - started >= 100ms);
}

} // namespace lexiwren

QTEST_MAIN(lexiwren::TestPacedWaitQt)
#include "tst_pacedwait_qt.moc"
