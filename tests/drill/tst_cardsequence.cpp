// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The card sequence as a list of steps taken on the window.
#include "RecordingView.h"
#include "drill/CardSequence.h"

#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

CardTable deckOf(int cards)
{
    CardTable deck;
    for (int row = 0; row < cards; ++row)
        deck[row] = {u"word%1"_s.arg(row + 1), u"ヨミ"_s, u"0"_s, u"意味%1"_s.arg(row + 1)};
    return deck;
}

// One whole drill, the way a start button runs it.
bool runDrill(RecordingView &view, Prompt prompt, const CardTable &deck, const qint16 &count, qint16 &index)
{
    CardSequence sequence(view);
    sequence.prologue();
    if (!sequence.cardLoop(prompt, deck, count, index))
        return false;
    sequence.epilogue();
    return true;
}

const QStringList Prologue = {u"word="_s,      u"word size=100"_s, u"disable load"_s, u"hide line1"_s,
                              u"hide line2"_s, u"hide line3"_s,    u"reading="_s};

QStringList headerOf(int number, int count)
{
    return {
        u"clear"_s,     u"draw size=48"_s,           u"at 50,15"_s, u"draw No. %1 "_s.arg(number), u"draw size=24"_s,
        u"at 850,35"_s, u"draw 全 %1問"_s.arg(count)};
}

} // namespace

class TestCardSequence : public QObject
{
    Q_OBJECT

private slots:
    void displaySteps_data();
    void displaySteps();
    void beepsPerCard_data();
    void beepsPerCard();
    void optionsAreReadAtTheirPointOfUse();
    void noCardsRunsOnlyPrologueAndEpilogue();
    void headersNumberEveryCard();
    void lastCardStaysOnScreen();
    void nestedDrillLeavesOuterOnTheRowAfterTheLast();
    void endingDuringAWaitStopsEveryStep();
};

void TestCardSequence::displaySteps_data()
{
    QTest::addColumn<bool>("englishPrompt");
    QTest::addColumn<bool>("answersOn");
    QTest::addColumn<bool>("readingOn");
    QTest::addColumn<QStringList>("cardSteps");

    const QStringList word = {u"show word"_s, u"word size=150"_s, u"word black"_s, u"word=apple"_s};
    const QStringList reading = {u"reading=アップル"_s, u"show line1"_s, u"x1=228"_s, u"x2=292"_s};
    const QStringList meaningOnly = {u"reading="_s, u"hide line1"_s, u"hide word"_s, u"meaning=りんご"_s};
    const QStringList meaningPromptStart = QStringList{u"word size=150"_s, u"word black"_s} + meaningOnly;

    QTest::newRow("english, answers off, reading off") << true << false << false << word + QStringList{u"hold 1500"_s};
    QTest::newRow("english, answers off, reading on")
        << true << false << true << word + reading + QStringList{u"hold 1500"_s};
    QTest::newRow("english, answers on, reading off")
        << true << true << false
        << word + QStringList{u"hold 1500"_s, u"beep"_s} + meaningOnly + QStringList{u"hold 1000"_s};
    QTest::newRow("english, answers on, reading on")
        << true << true << true
        << word + reading + QStringList{u"hold 1500"_s, u"beep"_s} + meaningOnly + QStringList{u"hold 1000"_s};
    QTest::newRow("meaning, answers off, reading on")
        << false << false << true << meaningPromptStart + QStringList{u"hold 1500"_s};
    QTest::newRow("meaning, answers on, reading off")
        << false << true << false
        << meaningPromptStart + QStringList{u"hold 1500"_s, u"beep"_s} + word + QStringList{u"hold 1000"_s};
    QTest::newRow("meaning, answers on, reading on")
        << false << true << true
        << meaningPromptStart + QStringList{u"hold 1500"_s, u"beep"_s} + word + reading + QStringList{u"hold 1000"_s};
}

void TestCardSequence::displaySteps()
{
    QFETCH(bool, englishPrompt);
    QFETCH(bool, answersOn);
    QFETCH(bool, readingOn);
    QFETCH(QStringList, cardSteps);

    RecordingView view;
    view.answersOn = answersOn;
    view.readingOn = readingOn;
    CardTable deck;
    deck[0] = {u"apple"_s, u"アップル"_s, u"2"_s, u"りんご"_s};
    const qint16 count = 1;
    qint16 index = 0;
    QVERIFY(runDrill(view, englishPrompt ? Prompt::English : Prompt::Meaning, deck, count, index));

    const QStringList expected = Prologue + headerOf(1, 1) + QStringList{u"beep"_s} + cardSteps
                                 + QStringList{u"enable load"_s};
    QCOMPARE(view.steps, expected);
}

void TestCardSequence::beepsPerCard_data()
{
    QTest::addColumn<bool>("answersOn");
    QTest::addColumn<bool>("soundOff");
    QTest::addColumn<int>("beeps");
    QTest::newRow("answers off") << false << false << 3;
    QTest::newRow("answers on") << true << false << 6;
    QTest::newRow("silenced, answers off") << false << true << 0;
    QTest::newRow("silenced, answers on") << true << true << 0;
}

void TestCardSequence::beepsPerCard()
{
    QFETCH(bool, answersOn);
    QFETCH(bool, soundOff);
    QFETCH(int, beeps);
    for (Prompt prompt : {Prompt::English, Prompt::Meaning}) {
        RecordingView view;
        view.answersOn = answersOn;
        view.soundOff = soundOff;
        const CardTable deck = deckOf(3);
        const qint16 count = 3;
        qint16 index = 0;
        QVERIFY(runDrill(view, prompt, deck, count, index));
        QCOMPARE(view.beeps, beeps);
    }
}

void TestCardSequence::optionsAreReadAtTheirPointOfUse()
{
    RecordingView view;
    const CardTable deck = deckOf(2);
    const qint16 count = 2;
    qint16 index = 0;
    // During the first prompt: faster speed, answers switched on, sound off.
    view.onHold = [&](qint32) {
        if (view.holds.size() == 1) {
            view.speed = u"0.2"_s;
            view.answersOn = true;
            view.soundOff = true;
        }
        return true;
    };
    QVERIFY(runDrill(view, Prompt::English, deck, count, index));
    QCOMPARE(view.holds, (QList<qint32>{1500, 200, 300, 200}));
    QCOMPARE(view.beeps, 1); // the first card's header beep, before the change
}

void TestCardSequence::noCardsRunsOnlyPrologueAndEpilogue()
{
    RecordingView view;
    view.answersOn = true;
    const CardTable deck = deckOf(5); // rows beyond the count are never shown
    const qint16 count = 0;
    qint16 index = 7;
    QVERIFY(runDrill(view, Prompt::Meaning, deck, count, index));
    QCOMPARE(view.steps, Prologue + QStringList{u"enable load"_s});
    QCOMPARE(index, qint16(0));
}

void TestCardSequence::headersNumberEveryCard()
{
    RecordingView view;
    const CardTable deck = deckOf(20);
    const qint16 count = 20;
    qint16 index = 0;
    QStringList headers;
    view.onHold = [&](qint32) {
        headers << view.drawn.join(u'|');
        return true;
    };
    QVERIFY(runDrill(view, Prompt::English, deck, count, index));
    QCOMPARE(headers.size(), 20);
    for (int card = 1; card <= 20; ++card)
        QCOMPARE(headers[card - 1], u"No. %1 |全 20問"_s.arg(card));
    QCOMPARE(index, qint16(20));
}

void TestCardSequence::lastCardStaysOnScreen()
{
    RecordingView view;
    const CardTable deck = deckOf(3);
    const qint16 count = 3;
    qint16 index = 0;
    QVERIFY(runDrill(view, Prompt::English, deck, count, index));
    QCOMPARE(view.word, u"word3"_s);
    QCOMPARE(view.drawn, (QStringList{u"No. 3 "_s, u"全 3問"_s}));
    QVERIFY(view.loadEnabled);
}

void TestCardSequence::nestedDrillLeavesOuterOnTheRowAfterTheLast()
{
    RecordingView view;
    view.answersOn = true;
    CardTable deck = deckOf(3);
    deck[3] = {u"older"_s, u"ヨミ"_s, u"0"_s, u"前の意味"_s}; // left by an earlier, longer load
    const qint16 count = 3;
    qint16 index = 0;
    QStringList meanings;
    bool nested = false;
    view.onHold = [&](qint32) {
        meanings << view.meaning;
        if (!nested) {
            nested = true; // a start click during the first card's prompt
            runDrill(view, Prompt::English, deck, count, index);
        }
        return true;
    };
    QVERIFY(runDrill(view, Prompt::English, deck, count, index));

    // The nested drill shows all three cards; the outer one then shows the
    // answer of the row after the last card and stops.
    QCOMPARE(view.drawn, (QStringList{u"No. 3 "_s, u"全 3問"_s}));
    QCOMPARE(view.steps.count(u"draw No. 1 "_s), 2);
    QCOMPARE(view.steps.count(u"draw No. 2 "_s), 1);
    QCOMPARE(view.meaning, u"前の意味"_s);
    QCOMPARE(view.steps.count(u"enable load"_s), 2);
    QCOMPARE(index, qint16(4));
    QCOMPARE(view.holds.size(), 1 + 6 + 1);
}

void TestCardSequence::endingDuringAWaitStopsEveryStep()
{
    RecordingView view;
    view.answersOn = true;
    const CardTable deck = deckOf(3);
    const qint16 count = 3;
    qint16 index = 0;
    view.onHold = [](qint32) { return false; };
    CardSequence sequence(view);
    sequence.prologue();
    QVERIFY(!sequence.cardLoop(Prompt::English, deck, count, index));
    QCOMPARE(view.steps.last(), u"hold 1500"_s);
    QCOMPARE(view.steps.count(u"draw No. 1 "_s), 1);
    QVERIFY(!view.steps.contains(u"meaning=意味1"_s));
}

QTEST_GUILESS_MAIN(TestCardSequence)
#include "tst_cardsequence.moc"
