// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Pause, next and stop as a paced wait sees them, on a clock the test moves.
#include "drill/DrillControl.h"
#include "drill/DrillWait.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeProgramEnd.h"

#include <QTest>

#include <chrono>
#include <functional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using std::chrono::nanoseconds;

namespace lexiwren {

class TestDrillControl : public QObject
{
    Q_OBJECT

private slots:
    void requestsDuringAWait_data();
    void requestsDuringAWait();
    void stopReachesEveryNestedDrill();
    void aStartEndsThePause();
};

// A one-second wait whose pump moves the clock 100 ms a call (less when the
// deadline is nearer); at the sixth
// call the learner asks something, and the wait's end is measured.
void TestDrillControl::requestsDuringAWait_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("expectedResult");
    QTest::addColumn<nanoseconds>("expectedEnd"); // clock time when the wait returns

    // 600 ms gone at the pause; ten paused seconds; the 400 ms left run after.
    QTest::newRow("pause, resume") << u"pause"_s << true << nanoseconds(10s + 1000ms);
    QTest::newRow("next") << u"next"_s << true << nanoseconds(600ms);
    QTest::newRow("stop") << u"stop"_s << false << nanoseconds(600ms);
}

void TestDrillControl::requestsDuringAWait()
{
    QFETCH(QString, request);
    QFETCH(bool, expectedResult);
    QFETCH(nanoseconds, expectedEnd);
    FakeClock clock;
    FakeEventPump pump;
    FakeProgramEnd end;
    DrillControl control(clock);
    control.drillStarted();
    nanoseconds pausedSleep{};
    pump.setHook([&](nanoseconds maxWait) {
        if (control.isPaused()) {
            // Asleep until the learner resumes, ten seconds later.
            pausedSleep = maxWait;
            clock.advance(10s);
            control.togglePause();
            return;
        }
        clock.advance(std::min(nanoseconds(100ms), maxWait));
        if (pump.calls() != 6)
            return;
        if (request == u"pause")
            control.togglePause();
        else if (request == u"next")
            control.next();
        else
            control.stop();
    });

    QCOMPARE(DrillWait(clock, pump, end, &control).wait(1000), expectedResult);
    QCOMPARE(clock.peek(), expectedEnd);
    QVERIFY(!control.isPaused());
    if (request == u"pause") {
        QVERIFY2(pausedSleep >= 10s, "a paused wait sleeps until woken, not until its old deadline");
        QCOMPARE(control.pausedTotal(clock.peek()), nanoseconds(10s));
    }
    // A request is used up by the wait that saw it.
    if (request == u"next")
        QVERIFY(DrillWait(clock, pump, end, &control).wait(0));
}

void TestDrillControl::stopReachesEveryNestedDrill()
{
    FakeClock clock;
    FakeEventPump pump;
    FakeProgramEnd end;
    DrillControl control(clock);
    QList<DrillControl::State> states;
    connect(&control, &DrillControl::stateChanged, this, [&](DrillControl::State state) { states << state; });

    control.drillStarted();
    control.drillStarted(); // nested inside the first
    control.stop();
    QVERIFY(control.isStopping());
    // The outer drill's wait, and any it would start, return at once.
    QVERIFY(!DrillWait(clock, pump, end, &control).wait(500));
    QCOMPARE(pump.calls(), 0);
    control.drillEnded();
    QVERIFY2(control.isStopping(), "the stop holds until the outermost drill has ended");
    control.drillEnded();
    QVERIFY(!control.isStopping());
    QCOMPARE(control.state(), DrillControl::State::Stopped);
    QCOMPARE(states, (QList<DrillControl::State>{DrillControl::State::Playing, DrillControl::State::Stopped}));

    // With no drill running, requests change nothing.
    control.togglePause();
    control.next();
    QCOMPARE(control.state(), DrillControl::State::Stopped);
    QVERIFY(!control.takeNext());
}

void TestDrillControl::aStartEndsThePause()
{
    FakeClock clock;
    DrillControl control(clock);
    const int first = control.drillStarted();
    control.pause();
    QVERIFY(control.isPaused());
    const int second = control.drillStarted();
    QVERIFY(!control.isPaused());
    QVERIFY(!control.isLatest(first));
    QVERIFY(control.isLatest(second));
}

} // namespace lexiwren

QTEST_GUILESS_MAIN(lexiwren::TestDrillControl)
#include "tst_drillcontrol.moc"
