// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole drills run by the drill runner on a recorded view: the bell before a
// spoken word, words that never finish, laps, and the card in view.
#include "RecordingView.h"
#include "drill/DrillControl.h"
#include "drill/DrillRunner.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeEventPump.h"
#include "fakes/FakeProgramEnd.h"
#include "fakes/FakeSpeaker.h"
#include "fakes/ScriptedRandom.h"

#include <QTest>

#include <chrono>

using namespace lexiwren;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using std::chrono::nanoseconds;

Q_DECLARE_METATYPE(lexiwren::SpeechTrouble)

namespace {

// Sounds the bell as the window does, as well as noting the step.
class BellView final : public RecordingView
{
public:
    explicit BellView(FakeBeeper &bell)
        : m_bell(bell)
    {
    }
    void beep() override
    {
        RecordingView::beep();
        m_bell.beep();
    }

private:
    FakeBeeper &m_bell;
};

// The window's state and every seam, faked, around one runner.
struct Rig
{
    FakeClock clock;
    FakeEventPump pump;
    FakeBeeper beeper;
    BellView view{beeper};
    ScriptedRandom random;
    FakeProgramEnd end;
    FakeSpeaker speaker;
    DrillControl control{clock};
    CardTable deck;
    CardTable shuffled;
    qint16 cardCount = 0;
    qint16 cardIndex = 0;
    qint16 fieldIndex = 0;
    DrillRunner runner{
        view, {clock, pump, beeper, random, end}, control, {deck, shuffled, cardCount, cardIndex, fieldIndex}};

    explicit Rig(int cards)
    {
        for (int row = 0; row < cards; ++row)
            deck[row] = {u"w%1"_s.arg(row + 1), u"ヨミ"_s, u"0"_s, u"意味%1"_s.arg(row + 1)};
        cardCount = static_cast<qint16>(cards);
        beeper.clock = &clock;
        runner.setSpeaker(&speaker);
        runner.setSpeechOn(true);
    }
};

qint64 msOf(nanoseconds time)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(time).count();
}

} // namespace

class TestDrillRunner : public QObject
{
    Q_OBJECT

private slots:
    void wordWaitsForTheBell_data();
    void wordWaitsForTheBell();
    void wordsThatNeverEndGiveUpSpeech_data();
    void wordsThatNeverEndGiveUpSpeech();
    void lapsUseTheLapShuffleAndFollowTheCardInView();
};

void TestDrillRunner::wordWaitsForTheBell_data()
{
    QTest::addColumn<nanoseconds>("bell"); // how long each beep sounds
    QTest::addColumn<bool>("soundOff");
    QTest::addColumn<bool>("speechOn");
    QTest::addColumn<QString>("during");       // what the learner does at the bell's first pump
    QTest::addColumn<QStringList>("expected"); // each word said, and when after its card's beep

    // The pump moves the clock 10 ms a call, so the word follows the bell's
    // end at the next step of 10 ms.
    const nanoseconds bell = 112ms;
    QTest::newRow("bell of 112 ms") << bell << false << true << u""_s << QStringList{u"w1 +120"_s, u"w2 +120"_s};
    QTest::newRow("bell that never ends")
        << nanoseconds(1h) << false << true << u""_s << QStringList{u"w1 +1000"_s, u"w2 +1000"_s};
    QTest::newRow("no end to wait for") << 0ns << false << true << u""_s << QStringList{u"w1 +0"_s, u"w2 +0"_s};
    QTest::newRow("beep off") << bell << true << true << u""_s << QStringList{u"w1 +0"_s, u"w2 +0"_s};
    QTest::newRow("speech off") << bell << false << false << u""_s << QStringList{};
    // The bell's wait is a drill's wait like any other.
    QTest::newRow("next during the bell") << bell << false << true << u"next"_s << QStringList{u"w2 +120"_s};
    QTest::newRow("stop during the bell") << bell << false << true << u"stop"_s << QStringList{};
    QTest::newRow("paused two seconds during the bell")
        << bell << false << true << u"pause"_s << QStringList{u"w1 +2000"_s, u"w2 +120"_s};
}

void TestDrillRunner::wordWaitsForTheBell()
{
    QFETCH(nanoseconds, bell);
    QFETCH(bool, soundOff);
    QFETCH(bool, speechOn);
    QFETCH(QString, during);
    QFETCH(QStringList, expected);
    Rig rig(2);
    rig.beeper.soundsFor = bell;
    rig.view.soundOff = soundOff;
    rig.runner.setSpeechOn(speechOn);

    nanoseconds cardStart{};
    QStringList said;
    rig.view.onHold = [&](qint32) { return true; };
    // The header is up before the beep: each card's time counts from there.
    rig.beeper.onBeep = [&] { cardStart = rig.clock.peek(); };
    rig.speaker.onSay = [&](const QString &word) {
        said << u"%1 +%2"_s.arg(word).arg(msOf(rig.clock.peek() - cardStart));
    };
    bool acted = false;
    rig.pump.setHook([&](nanoseconds maxWait) {
        if (rig.speaker.speaking) {
            rig.speaker.speaking = false; // the word is heard at once
            return;
        }
        if (rig.control.isPaused()) {
            rig.clock.advance(2s - 10ms); // resumed at 2 s
            rig.control.resume();
            return;
        }
        rig.clock.advance(std::min(maxWait, nanoseconds(10ms)));
        if (acted || during.isEmpty())
            return;
        acted = true;
        if (during == u"next")
            rig.control.next();
        else if (during == u"stop")
            rig.control.stop();
        else
            rig.control.pause();
    });
    rig.runner.run(Prompt::English, Order::File);

    QCOMPARE(said, expected);
    if (!speechOn || soundOff)
        QCOMPARE(rig.pump.calls(), speechOn ? 2 : 0); // one for each word's end, none for a bell
    QCOMPARE(rig.view.holds.size(), during == u"stop"_s ? 0 : during == u"next"_s ? 1 : 2);
}

void TestDrillRunner::wordsThatNeverEndGiveUpSpeech_data()
{
    QTest::addColumn<QString>("words"); // each card's word: e ends, c runs to the cap
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<bool>("givenUp");

    const QStringList all{u"say w1"_s, u"say w2"_s, u"say w3"_s, u"say w4"_s, u"say w5"_s};
    QTest::newRow("every word ends") << u"eeeee"_s << all << false;
    QTest::newRow("one word at the cap, then recovery") << u"ceeee"_s << all << false;
    QTest::newRow("words at the cap, never two in a row") << u"cecec"_s << all << false;
    QTest::newRow("two in a row") << u"cc"_s << all.mid(0, 2) << true;
    QTest::newRow("two in a row after one that ended") << u"ecc"_s << all.mid(0, 3) << true;
}

void TestDrillRunner::wordsThatNeverEndGiveUpSpeech()
{
    QFETCH(QString, words);
    QFETCH(QStringList, said);
    QFETCH(bool, givenUp);
    Rig rig(5);
    qsizetype word = -1;
    rig.speaker.onSay = [&](const QString &) { ++word; };
    rig.pump.setHook([&](nanoseconds maxWait) {
        // Past the row's words (the second run), every word ends.
        if (word >= words.size() || words[word] == u'e')
            rig.speaker.speaking = false;
        else
            rig.clock.advance(maxWait);
    });
    rig.runner.run(Prompt::English, Order::File);

    QCOMPARE(rig.speaker.log.filter(u"say"_s), said);
    // Every card keeps its own time, spoken or not.
    QCOMPARE(rig.view.holds, (QList<qint32>{1500, 1500, 1500, 1500, 1500}));
    QCOMPARE(rig.view.troubles, givenUp ? QList<SpeechTrouble>{SpeechTrouble::WordsNeverEnd} : QList<SpeechTrouble>{});
    QCOMPARE(rig.runner.isSpeechOn(), !givenUp);
    QVERIFY2(!rig.speaker.speaking, "no word is left running over the next card");

    // Given up for the program's run, not only for this drill.
    rig.runner.run(Prompt::English, Order::File);
    QCOMPARE(rig.speaker.log.filter(u"say"_s).size(), givenUp ? said.size() : 2 * said.size());
    QVERIFY(rig.view.troubles.size() <= 1);
}

void TestDrillRunner::lapsUseTheLapShuffleAndFollowTheCardInView()
{
    Rig rig(3);
    rig.runner.setSpeechOn(false);
    rig.runner.setLapsOn(true);
    rig.view.answersOn = true;
    int shuffles = 0;
    // A whole-deck order in place of the swaps: the deck backwards.
    rig.runner.setLapShuffle([&](DrillState &state, RandomSource &) {
        ++shuffles;
        for (int row = 0; row < state.cardCount; ++row)
            state.shuffled[row] = state.deck[state.cardCount - 1 - row];
    });
    QStringList inView;
    bool runningInside = true;
    rig.view.onHold = [&](qint32) {
        const CardInView &card = rig.runner.cardInView();
        inView << u"%1/%2 %3"_s.arg(card.lap).arg(card.number).arg(card.shownTexts().join(u'|'));
        runningInside = runningInside && rig.runner.isRunning();
        if (inView.size() == 8)
            rig.control.stop();
        return !rig.control.isStopping();
    };
    rig.runner.run(Prompt::Meaning, Order::Shuffled);

    QVERIFY(runningInside);
    QCOMPARE(shuffles, 2);
    QCOMPARE(rig.random.draws, 0);
    QCOMPARE(inView, (QStringList{u"1/1 意味3"_s, u"1/1 w3|意味3"_s, u"1/2 意味2"_s, u"1/2 w2|意味2"_s, u"1/3 意味1"_s,
                                  u"1/3 w1|意味1"_s, u"2/1 意味3"_s, u"2/1 w3|意味3"_s}));
    QVERIFY(!rig.runner.isRunning());
    QVERIFY(rig.view.loadEnabled);
}

QTEST_GUILESS_MAIN(TestDrillRunner)
#include "tst_drillrunner.moc"
