// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Accent codes for chosen kana, read back through the drill's own mark, and
// the dictionary's katakana taken or refused with the mark carried over.
#include "drill/ShowReading.h"
#include "maker/AccentCode.h"
#include "maker/DictionarySpelling.h"

#include <QTest>

using namespace lexiwren;
using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

class TestAccentCode : public QObject
{
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
    void markLength_data();
    void markLength();
    void spelling_data();
    void spelling();
};

void TestAccentCode::codes_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("code");

    QTest::newRow("first kana") << 0 << 1 << u"0"_s;
    QTest::newRow("first two kana") << 0 << 2 << u"+12"_s;
    QTest::newRow("second kana") << 1 << 1 << u"1"_s;
    QTest::newRow("second and third") << 1 << 2 << u"12"_s;
    QTest::newRow("computer ピュ") << 2 << 2 << u"23"_s;
    QTest::newRow("tenth kana") << 9 << 1 << u"9"_s;
    QTest::newRow("tenth and eleventh") << 9 << 2 << u"910"_s;
    QTest::newRow("eleventh: out of reach") << 10 << 1 << QString();
    QTest::newRow("eleventh, two: out of reach") << 10 << 2 << QString();
}

void TestAccentCode::codes()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, code);
    QCOMPARE(accentCode(start, length), code);
    if (code.isEmpty())
        return;
    // The drill's mark, on cells 10 pixels wide from x = 5.
    ReadingGeometry geometry;
    for (int edge = 0; edge <= 12; ++edge)
        geometry.edges.append(5.0 + 10.0 * edge);
    geometry.cellWidth = 10.0;
    const AccentSpan span = accentSpan(geometry, code);
    QCOMPARE(span.x1, 5.0f + 10.0f * static_cast<float>(start));
    QCOMPARE(span.x2, 5.0f + 10.0f * static_cast<float>(start + length));
    QVERIFY(accentCodeMarks(code, start, length));
    QVERIFY(!accentCodeMarks(code, start, 3 - length));
    QVERIFY(!accentCodeMarks(code, start + 1, length));
}

void TestAccentCode::markLength_data()
{
    QTest::addColumn<QString>("kana");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");

    QTest::newRow("キャ") << u"キャット"_s << 0 << 2;
    QTest::newRow("ピュ") << u"コンピューター"_s << 2 << 2;
    QTest::newRow("ウォ") << u"ウォーター"_s << 0 << 2;
    QTest::newRow("one kana before ッ") << u"ゲット"_s << 0 << 1;
    QTest::newRow("one kana before ー") << u"カー"_s << 0 << 1;
    QTest::newRow("last kana") << u"ペン"_s << 1 << 1;
}

void TestAccentCode::markLength()
{
    QFETCH(QString, kana);
    QFETCH(int, start);
    QFETCH(int, length);
    QCOMPARE(stressLength(kana, start), length);
}

void TestAccentCode::spelling_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("stress");
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("chosenStress");
    QTest::addColumn<bool>("fromDictionary");

    QTest::newRow("same spelling among others")
        << u"コンピューター"_s << 2 << QStringList{u"コンピュータ"_s, u"コンピューター"_s} << u"コンピューター"_s << 2
        << true;
    QTest::newRow("without the final ー")
        << u"コンピューター"_s << 2 << QStringList{u"コンピュータ"_s} << u"コンピュータ"_s << 2 << true;
    QTest::newRow("necessary is not マスト")
        << u"ネセサリー"_s << 1 << QStringList{u"マスト"_s} << u"ネセサリー"_s << 1 << false;
    QTest::newRow("ant is not アリ") << u"アント"_s << 0 << QStringList{u"アリ"_s, u"アリンコ"_s} << u"アント"_s << 0
                                     << false;
    QTest::newRow("mail メール for メイル") << u"メイル"_s << 0 << QStringList{u"メール"_s} << u"メール"_s << 0 << true;
    QTest::newRow("mark moves left with a dropped ー")
        << u"インフォーメーション"_s << 5 << QStringList{u"インフォメーション"_s} << u"インフォメーション"_s << 4
        << true;
    QTest::newRow("dot between words dropped")
        << u"アイスクリーム"_s << 0 << QStringList{u"アイス・クリーム"_s} << u"アイスクリーム"_s << 0 << true;
    QTest::newRow("the closer of two") << u"ストローベリー"_s << 2 << QStringList{u"ベリー"_s, u"ストロベリー"_s}
                                       << u"ストロベリー"_s << 2 << true;
    QTest::newRow("reduced vowels guessed otherwise")
        << u"チョークラット"_s << 0 << QStringList{u"チョコレート"_s} << u"チョコレート"_s << 0 << true;
    QTest::newRow("a vowel and a final kana off")
        << u"レスタラント"_s << 0 << QStringList{u"レストラン"_s} << u"レストラン"_s << 0 << true;
    QTest::newRow("no candidates") << u"キャット"_s << 0 << QStringList() << u"キャット"_s << 0 << false;
}

void TestAccentCode::spelling()
{
    QFETCH(QString, rules);
    QFETCH(int, stress);
    QFETCH(QStringList, candidates);
    QFETCH(QString, chosen);
    QFETCH(int, chosenStress);
    QFETCH(bool, fromDictionary);
    bool taken = !fromDictionary;
    const KanaReading reading = chooseSpelling({rules, stress}, candidates, &taken);
    QCOMPARE(reading.kana, chosen);
    QCOMPARE(reading.stressStart, chosenStress);
    QCOMPARE(taken, fromDictionary);
}

QTEST_GUILESS_MAIN(TestAccentCode)
#include "tst_accentcode.moc"
