// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole drills in the real window, paced by a fake clock.
#include "FormFixture.h"
#include "ui/CardLabel.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QStringList cardLines(int cards, const QString &prefix = u"w"_s)
{
    QStringList lines;
    for (int card = 1; card <= cards; ++card)
        lines << u"%1%2 ヨミ 0 意味%2"_s.arg(prefix).arg(card);
    return lines;
}

QStringList headerTexts(const Form1 &form)
{
    QStringList texts;
    for (const PictureBox::DrawnText &drawn : form.Picture1->drawnTexts())
        texts << drawn.text;
    return texts;
}

// What the card area shows at a moment of a drill.
QString screenOf(const Form1 &form)
{
    return form.Label2->isVisible() ? u"word "_s + form.Label2->text() : u"meaning "_s + form.Label7->text();
}

} // namespace

class TestForm1Drills : public QObject
{
    Q_OBJECT

private slots:
    void inOrderDrillsShowEveryCard_data();
    void inOrderDrillsShowEveryCard();
    void loadButtonIsDisabledDuringADrill();
    void speedChangeShortensTheNextWait();
    void startClickDuringAWaitRunsANestedDrill();
    void endDuringAWaitStopsAtOnce_data();
    void endDuringAWaitStopsAtOnce();
    void randomDrillsFollowTheShuffle();
    void randomStartsShuffleTheFileOrderAfresh();
    void meaningPromptRandomDrillAnswersWithTheSameRows();
};

void TestForm1Drills::inOrderDrillsShowEveryCard_data()
{
    QTest::addColumn<bool>("englishPrompt");
    QTest::addColumn<bool>("answersOn");
    QTest::addColumn<QStringList>("screens");
    QTest::newRow("english, answers") << true << true
                                      << QStringList{u"word w1"_s, u"meaning 意味1"_s, u"word w2"_s,
                                                     u"meaning 意味2"_s};
    QTest::newRow("english only") << true << false << QStringList{u"word w1"_s, u"word w2"_s};
    QTest::newRow("meaning, answers") << false << true
                                      << QStringList{u"meaning 意味1"_s, u"word w1"_s, u"meaning 意味2"_s,
                                                     u"word w2"_s};
    QTest::newRow("meaning only") << false << false << QStringList{u"meaning 意味1"_s, u"meaning 意味2"_s};
}

void TestForm1Drills::inOrderDrillsShowEveryCard()
{
    QFETCH(bool, englishPrompt);
    QFETCH(bool, answersOn);
    QFETCH(QStringList, screens);

    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(2));
    form.Check1->setChecked(answersOn);
    form.show();

    QStringList seen;
    QList<qint64> waits;
    fixture.fakes.runEventsAndSleep([&] {
        seen << screenOf(form);
        waits << std::chrono::duration_cast<std::chrono::milliseconds>(fixture.fakes.pump.maxWaits().back()).count();
    });
    QTest::mouseClick(englishPrompt ? form.Command1 : form.Command3, Qt::LeftButton);

    QCOMPARE(seen, screens);
    QCOMPARE(waits, answersOn ? (QList<qint64>{1500, 1000, 1500, 1000}) : (QList<qint64>{1500, 1500}));
    QCOMPARE(headerTexts(form), (QStringList{u"No. 2 "_s, u"全 2問"_s}));
    QCOMPARE(screenOf(form), screens.last()); // the last card stays
    QCOMPARE(fixture.fakes.beeper.count, answersOn ? 4 : 2);
}

void TestForm1Drills::loadButtonIsDisabledDuringADrill()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(1));
    QList<bool> loadEnabled;
    QList<bool> startEnabled;
    fixture.fakes.runEventsAndSleep([&] {
        loadEnabled << form.Command6->isEnabled();
        startEnabled << form.Command4->isEnabled();
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(!loadEnabled.isEmpty());
    QVERIFY(!loadEnabled.contains(true));
    QVERIFY(!startEnabled.contains(false));
    QVERIFY(form.Command6->isEnabled());
}

void TestForm1Drills::speedChangeShortensTheNextWait()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(2));
    form.Check1->setChecked(true);
    bool changed = false;
    fixture.fakes.runEventsAndSleep([&] {
        if (!changed) {
            changed = true;
            form.Combo1->setEditText(u"0.2"_s);
        }
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QList<qint64> waits;
    for (std::chrono::nanoseconds wait : fixture.fakes.pump.maxWaits())
        if (wait.count() > 0)
            waits << std::chrono::duration_cast<std::chrono::milliseconds>(wait).count();
    QCOMPARE(waits, (QList<qint64>{1500, 200, 300, 200}));

    form.Combo1->setEditText(u"速く"_s); // no number: every wait returns at once
    const int callsBefore = fixture.fakes.pump.calls();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(fixture.fakes.pump.calls(), callsBefore);
    QCOMPARE(headerTexts(form).first(), u"No. 2 "_s);
}

void TestForm1Drills::startClickDuringAWaitRunsANestedDrill()
{
    FormFixture fixture;
    fixture.writeFile(u"long.txt"_s, cardLines(5, u"old"_s));
    fixture.writeFile(u"short.txt"_s, cardLines(3));
    Form1 &form = fixture.form();
    fixture.load(u"long.txt"_s);
    fixture.load(u"short.txt"_s);
    form.Check1->setChecked(true);

    bool clicked = false;
    QStringList headers;
    fixture.fakes.runEventsAndSleep([&] {
        if (!clicked) {
            clicked = true; // during the first card's prompt
            QTest::mouseClick(form.Command3, Qt::LeftButton);
            QVERIFY(form.Command6->isEnabled()); // the nested drill's end enabled it again
        }
        if (headers.isEmpty() || headers.last() != headerTexts(form).first())
            headers << headerTexts(form).first();
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    // The nested drill runs every card; the outer one then answers its card
    // with the row after the last (left there by the longer load) and stops.
    QCOMPARE(headers, (QStringList{u"No. 1 "_s, u"No. 2 "_s, u"No. 3 "_s}));
    QCOMPARE(form.Label7->text(), u"意味4"_s);
    QCOMPARE(form.CardIndex, qint16(4));
    QVERIFY(form.Command6->isEnabled());
}

void TestForm1Drills::endDuringAWaitStopsAtOnce_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("end button") << false;
    QTest::newRow("closing the window") << true;
}

void TestForm1Drills::endDuringAWaitStopsAtOnce()
{
    QFETCH(bool, byClosing);
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(3));
    form.Check1->setChecked(true);
    form.show();
    int waits = 0;
    fixture.fakes.runEventsAndSleep([&] {
        if (++waits == 1) {
            if (byClosing)
                form.close();
            else
                QTest::mouseClick(form.Command2, Qt::LeftButton);
        }
    });
    const QString meaningBefore = form.Label7->text();
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(fixture.fakes.end.endCalls(), 1);
    QCOMPARE(waits, 1);
    QCOMPARE(form.Label7->text(), meaningBefore); // the answer never came
    QCOMPARE(headerTexts(form).first(), u"No. 1 "_s);
    QCOMPARE(fixture.fakes.beeper.count, 1);
    QVERIFY(!form.Command6->isEnabled()); // nothing after the wait ran, not even the end of the drill

    QTest::mouseClick(form.Command3, Qt::LeftButton); // a late click starts nothing
    QCOMPARE(waits, 1);
}

void TestForm1Drills::randomDrillsFollowTheShuffle()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(5));
    const CardTable deckBefore = form.Deck;
    // Swap rows 0 and 4, then rows 1 and 2; every later draw gives row 0.
    fixture.fakes.random.script({0.0f, 0.99f, 0.2f, 0.4f, 0.0f});
    QStringList words;
    fixture.fakes.runEventsAndSleep([&] { words << form.Label2->text(); });
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    QCOMPARE(words, (QStringList{u"w5"_s, u"w3"_s, u"w2"_s, u"w4"_s, u"w1"_s}));
    QCOMPARE(fixture.fakes.random.draws, 42);
    QVERIFY(form.Deck == deckBefore);

    words.clear();
    QTest::mouseClick(form.Command1, Qt::LeftButton); // in order again afterwards
    QCOMPARE(words, (QStringList{u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s, u"w5"_s}));
}

void TestForm1Drills::randomStartsShuffleTheFileOrderAfresh()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(5));
    QStringList words;
    fixture.fakes.runEventsAndSleep([&] { words << form.Label2->text(); });
    for (int start = 0; start < 2; ++start) {
        fixture.fakes.random.script({0.0f, 0.99f, 0.0f});
        QTest::mouseClick(form.Command4, Qt::LeftButton);
    }
    // The same draws give the same order: the second shuffle starts from the file.
    QCOMPARE(words.mid(0, 5), words.mid(5, 5));
    QCOMPARE(words.mid(0, 5), (QStringList{u"w5"_s, u"w2"_s, u"w3"_s, u"w4"_s, u"w1"_s}));
}

void TestForm1Drills::meaningPromptRandomDrillAnswersWithTheSameRows()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(3));
    form.Check1->setChecked(true);
    form.show();
    fixture.fakes.random.script({0.0f, 0.9f, 0.0f});
    QStringList screens;
    fixture.fakes.runEventsAndSleep([&] { screens << screenOf(form); });
    QTest::mouseClick(form.Command5, Qt::LeftButton);
    QCOMPARE(screens, (QStringList{u"meaning 意味3"_s, u"word w3"_s, u"meaning 意味2"_s, u"word w2"_s,
                                   u"meaning 意味1"_s, u"word w1"_s}));
}

QTEST_MAIN(TestForm1Drills)
#include "tst_form1_drills.moc"
