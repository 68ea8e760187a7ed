// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The paced wait against a clock and an event queue that the test drives.
#include "drill/DrillWait.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeProgramEnd.h"

#include <QTest>

#include <chrono>
#include <limits>
#include <vector>

using namespace std::chrono_literals;
using std::chrono::nanoseconds;
using Waits = std::vector<nanoseconds>;

// Readable failures: the waits in microseconds.
template<>
char *QTest::toString(const Waits &waits)
{
    QByteArray text = "{";
    for (const nanoseconds wait : waits)
        text += ' ' + QByteArray::number(double(wait.count()) / 1000.0) + "us";
    return qstrdup(text + " }");
}

namespace lexiwren {

// Not zero, and late within its millisecond, so a wait that mixes up the
// clock's time with its own elapsed time, or rounds readings to whole
// milliseconds, ends at the wrong pass.
constexpr nanoseconds ClockStart = 5'000'900'000ns;

class TestPacedWait : public QObject
{
    Q_OBJECT

private slots:
    void nonPositiveDurationReturnsWithoutPumping_data();
    void nonPositiveDurationReturnsWithoutPumping();
    void returnsAtFirstReadingPastTheDeadline_data();
    void returnsAtFirstReadingPastTheDeadline();
    void endingDuringAPumpStopsTheWait_data();
    void endingDuringAPumpStopsTheWait();
    void startedWhileEndingTouchesNothing_data();
    void startedWhileEndingTouchesNothing();
    void stalledClockKeepsPumping();
};

void TestPacedWait::nonPositiveDurationReturnsWithoutPumping_data()
{
    QTest::addColumn<qint32>("durationMs");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
    QTest::newRow("most negative") << std::numeric_limits<qint32>::min();
}

void TestPacedWait::nonPositiveDurationReturnsWithoutPumping()
{
    QFETCH(qint32, durationMs);
    FakeClock clock(ClockStart);
    FakeEventPump pump;
    FakeProgramEnd end;

    QVERIFY(DrillWait(clock, pump, end).wait(durationMs));
    QCOMPARE(pump.calls(), 0);
}

void TestPacedWait::returnsAtFirstReadingPastTheDeadline_data()
{
    QTest::addColumn<qint32>("durationMs");
    QTest::addColumn<nanoseconds>("stepPerPump");
    QTest::addColumn<Waits>("expectedWaits");

    // One reading starts the wait; each pump follows a reading, and the wait
    // returns after the pump that follows the first reading at or past the
    // deadline, which gets no time to wait.
    QTest::newRow("deadline between steps") << 20 << nanoseconds(7ms) << Waits{20ms, 13ms, 6ms, 0ms};
    QTest::newRow("deadline on a step") << 21 << nanoseconds(7ms) << Waits{21ms, 14ms, 7ms, 0ms};
    QTest::newRow("one step covers it") << 5 << nanoseconds(7ms) << Waits{5ms, 0ms};
    QTest::newRow("sub-millisecond steps") << 1 << nanoseconds(300us) << Waits{1000us, 700us, 400us, 100us, 0us};
    // 1.999998 ms is not 2 ms: the wait must not end a step early.
    QTest::newRow("a nanosecond short per step")
        << 2 << nanoseconds(999'999ns) << Waits{2'000'000ns, 1'000'001ns, 2ns, 0ns};
}

void TestPacedWait::returnsAtFirstReadingPastTheDeadline()
{
    QFETCH(qint32, durationMs);
    QFETCH(nanoseconds, stepPerPump);
    QFETCH(Waits, expectedWaits);
    FakeClock clock(ClockStart);
    FakeEventPump pump;
    FakeProgramEnd end;
    pump.setHook([&](nanoseconds) { clock.advance(stepPerPump); });

    QVERIFY(DrillWait(clock, pump, end).wait(durationMs));
    QCOMPARE(pump.maxWaits(), expectedWaits);
    QCOMPARE(clock.readings(), int(expectedWaits.size()) + 1);
}

void TestPacedWait::endingDuringAPumpStopsTheWait_data()
{
    QTest::addColumn<int>("endOnCall");
    QTest::newRow("first pump") << 1;
    QTest::newRow("third pump") << 3;
    // The deadline has been read already; ending still wins.
    QTest::newRow("last pump before the deadline return") << 4;
}

void TestPacedWait::endingDuringAPumpStopsTheWait()
{
    QFETCH(int, endOnCall);
    FakeClock clock(ClockStart);
    FakeEventPump pump;
    FakeProgramEnd end;
    pump.setHook([&](nanoseconds) {
        clock.advance(7ms);
        if (pump.calls() == endOnCall)
            end.endProgram();
    });

    // 20 ms at 7 ms a pump takes four pumps when nothing ends it.
    QVERIFY(!DrillWait(clock, pump, end).wait(20));
    QCOMPARE(pump.calls(), endOnCall);
    QCOMPARE(clock.readings(), endOnCall + 1);
}

void TestPacedWait::startedWhileEndingTouchesNothing_data()
{
    QTest::addColumn<qint32>("durationMs");
    QTest::newRow("positive") << 100;
    QTest::newRow("zero") << 0;
}

void TestPacedWait::startedWhileEndingTouchesNothing()
{
    QFETCH(qint32, durationMs);
    FakeClock clock(ClockStart);
    FakeEventPump pump;
    FakeProgramEnd end;
    end.endProgram();

    QVERIFY(!DrillWait(clock, pump, end).wait(durationMs));
    QCOMPARE(clock.readings(), 0);
    QCOMPARE(pump.calls(), 0);
}

void TestPacedWait::stalledClockKeepsPumping()
{
    // The clock stands still for a while (say, a coarse clock); the wait must
    // keep sleeping on the full remainder rather than give up or spin on zero.
    constexpr int stalledPumps = 50;
    FakeClock clock(ClockStart);
    FakeEventPump pump;
    FakeProgramEnd end;
    pump.setHook([&](nanoseconds) {
        if (pump.calls() == stalledPumps)
            clock.advance(30ms);
    });

    QVERIFY(DrillWait(clock, pump, end).wait(30));
    Waits expected(stalledPumps, 30ms);
    expected.push_back(0ns);
    QCOMPARE(pump.maxWaits(), expected);
}

} // namespace lexiwren

QTEST_APPLESS_MAIN(lexiwren::TestPacedWait)
#include "tst_pacedwait.moc"
