// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shuffled copy that the random drills run over.
#include "deck/Shuffle.h"
#include "fakes/ScriptedRandom.h"
#include "platform/MersenneRandom.h"

#include <QTest>

#include <cmath>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

CardTable numbered(int rows)
{
    CardTable table;
    for (int row = 0; row < rows; ++row)
        table[row] = {u"e%1"_s.arg(row), u"r%1"_s.arg(row), u"%1"_s.arg(row % 10), u"m%1"_s.arg(row)};
    return table;
}

QStringList englishOf(const CardTable &table, int rows)
{
    QStringList words;
    for (int row = 0; row < rows; ++row)
        words << table[row][EnglishField];
    return words;
}

} // namespace

class TestShuffle : public QObject
{
    Q_OBJECT

private slots:
    void copyTakesTheRowAfterTheLast();
    void scriptedDrawsGiveThatOrder();
    void drawsStayBelowTheCount_data();
    void drawsStayBelowTheCount();
    void noCardsSwapsRowZeroWithItself();
    void everyCardReachesEveryPosition();
    void wholeShuffleScriptedDraws_data();
    void wholeShuffleScriptedDraws();
    void positionsAreUniform_data();
    void positionsAreUniform();
};

void TestShuffle::copyTakesTheRowAfterTheLast()
{
    CardTable deck = numbered(TableRows);
    CardTable shuffled;
    qint16 index = 0, field = 0;
    copyRows(deck, shuffled, 99, index, field);
    QCOMPARE(shuffled[99], deck[99]);
    QCOMPARE(index, qint16(100));
    QCOMPARE(field, qint16(4));

    CardTable small;
    copyRows(deck, small, 3, index, field);
    QCOMPARE(small[3], deck[3]);
    QVERIFY(small[4][EnglishField].isEmpty());
}

void TestShuffle::scriptedDrawsGiveThatOrder()
{
    const CardTable deck = numbered(5);
    CardTable shuffled;
    qint16 index = 0, field = 0;
    copyRows(deck, shuffled, 5, index, field);
    // First swap 0 and 4 (0.99 × 5 = 4.95), then 1 and 2; the remaining 19
    // swaps draw 0.1 (row 0) and exchange row 0 with itself.
    ScriptedRandom random({0.0f, 0.99f, 0.2f, 0.4f, 0.1f});
    shuffleRows(shuffled, 5, random, index, field);
    QCOMPARE(englishOf(shuffled, 5), (QStringList{u"e4"_s, u"e2"_s, u"e1"_s, u"e3"_s, u"e0"_s}));
    QCOMPARE(shuffled[0][MeaningField], u"m4"_s); // rows move whole
    QCOMPARE(random.draws, 2 * SwapCount);
    QCOMPARE(index, qint16(SwapCount));
    QCOMPARE(englishOf(deck, 5), (QStringList{u"e0"_s, u"e1"_s, u"e2"_s, u"e3"_s, u"e4"_s}));
}

void TestShuffle::drawsStayBelowTheCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("row");
    QTest::newRow("largest float below 1, 99 cards") << 99 << 0.99999994f << 98;
    QTest::newRow("a source that returns 1") << 7 << 1.0f << 6;
    QTest::newRow("one card") << 1 << 0.99999994f << 0;
    QTest::newRow("half of ten") << 10 << 0.5f << 5;
    QTest::newRow("no cards") << 0 << 0.75f << 0;
}

void TestShuffle::drawsStayBelowTheCount()
{
    QFETCH(int, count);
    QFETCH(float, r);
    QFETCH(int, row);
    ScriptedRandom random({r});
    QCOMPARE(drawRow(static_cast<qint16>(count), random), row);
}

void TestShuffle::noCardsSwapsRowZeroWithItself()
{
    CardTable rows = numbered(2);
    qint16 index = 0, field = 0;
    ScriptedRandom random({0.9f});
    shuffleRows(rows, 0, random, index, field);
    QCOMPARE(englishOf(rows, 2), (QStringList{u"e0"_s, u"e1"_s}));
    QCOMPARE(random.draws, 2 * SwapCount);
}

void TestShuffle::everyCardReachesEveryPosition()
{
    MersenneRandom random;
    random.seed(12345);
    const CardTable deck = numbered(5);
    bool seen[5][5] = {};
    for (int run = 0; run < 2000; ++run) {
        CardTable shuffled;
        qint16 index = 0, field = 0;
        copyRows(deck, shuffled, 5, index, field);
        shuffleRows(shuffled, 5, random, index, field);
        for (int position = 0; position < 5; ++position)
            seen[shuffled[position][EnglishField].mid(1).toInt()][position] = true;
    }
    for (int card = 0; card < 5; ++card)
        for (int position = 0; position < 5; ++position)
            QVERIFY2(seen[card][position], qPrintable(u"card %1 never at %2"_s.arg(card).arg(position)));
}

void TestShuffle::wholeShuffleScriptedDraws_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QStringList>("order");
    // From the last row down, row i swaps with floor((i + 1) × r).
    QTest::newRow("always the first row") << 4 << QList<float>{0.0f} << QStringList{u"e1"_s, u"e2"_s, u"e3"_s, u"e0"_s};
    QTest::newRow("always the row itself")
        << 4 << QList<float>{0.99999994f} << QStringList{u"e0"_s, u"e1"_s, u"e2"_s, u"e3"_s};
    QTest::newRow("reversed") << 4 << QList<float>{0.0f, 0.4f, 0.99f}
                              << QStringList{u"e3"_s, u"e2"_s, u"e1"_s, u"e0"_s};
    QTest::newRow("a source that returns 1") << 3 << QList<float>{1.0f} << QStringList{u"e0"_s, u"e1"_s, u"e2"_s};
    QTest::newRow("one card") << 1 << QList<float>{0.5f} << QStringList{u"e0"_s};
    QTest::newRow("no cards") << 0 << QList<float>{0.5f} << QStringList{};
}

void TestShuffle::wholeShuffleScriptedDraws()
{
    QFETCH(int, count);
    QFETCH(QList<float>, draws);
    QFETCH(QStringList, order);
    CardTable rows = numbered(count + 1);
    qint16 index = 0, field = 0;
    ScriptedRandom random(draws);
    shuffleAllRows(rows, static_cast<qint16>(count), random, index, field);
    QCOMPARE(englishOf(rows, count), order);
    QCOMPARE(random.draws, qMax(0, count - 1));
    QCOMPARE(rows[count][EnglishField], u"e%1"_s.arg(count)); // the row after the last stays
    for (const Card &row : std::as_const(rows))
        QCOMPARE(row[MeaningField].mid(1), row[EnglishField].mid(1)); // rows move whole
}

// Where each card lands over many shuffles from a seeded generator, as a
// chi-square against the uniform table with (cards - 1)² degrees of freedom,
// beyond four standard deviations above its mean only about once in ten
// thousand by chance. The 21 swaps leave many cards of a deck in place, and
// the same measure says so.
void TestShuffle::positionsAreUniform_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("cards");
    QTest::addColumn<bool>("uniform");
    QTest::newRow("whole shuffle, 10 cards") << true << 10 << true;
    QTest::newRow("whole shuffle, 30 cards") << true << 30 << true;
    QTest::newRow("21 swaps, 10 cards") << false << 10 << false;
    QTest::newRow("21 swaps, 30 cards") << false << 30 << false;
}

void TestShuffle::positionsAreUniform()
{
    QFETCH(bool, whole);
    QFETCH(int, cards);
    QFETCH(bool, uniform);
    constexpr int runs = 20000;
    MersenneRandom random;
    random.seed(20261209);
    const CardTable deck = numbered(cards + 1);
    QList<QList<int>> landed(cards, QList<int>(cards, 0));
    for (int run = 0; run < runs; ++run) {
        CardTable shuffled;
        qint16 index = 0, field = 0;
        copyRows(deck, shuffled, static_cast<qint16>(cards), index, field);
        if (whole)
            shuffleAllRows(shuffled, static_cast<qint16>(cards), random, index, field);
        else
            shuffleRows(shuffled, static_cast<qint16>(cards), random, index, field);
        for (int position = 0; position < cards; ++position)
            ++landed[shuffled[position][EnglishField].mid(1).toInt()][position];
    }
    const double expected = double(runs) / cards;
    double chiSquare = 0;
    for (const QList<int> &card : std::as_const(landed))
        for (int count : card)
            chiSquare += (count - expected) * (count - expected) / expected;
    const double freedom = double(cards - 1) * (cards - 1);
    const double limit = freedom + 4 * std::sqrt(2 * freedom);
    QVERIFY2((chiSquare < limit) == uniform, qPrintable(u"chi-square %1, limit %2"_s.arg(chiSquare).arg(limit)));
}

QTEST_GUILESS_MAIN(TestShuffle)
#include "tst_shuffle.moc"
