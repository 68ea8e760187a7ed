// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the accent mark goes under a reading.
#include "RecordingView.h"
#include "drill/ShowReading.h"

#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

// Characters 64 pixels wide from x = 100.
ReadingGeometry fullWidth(int characters)
{
    ReadingGeometry geometry;
    for (int edge = 0; edge <= characters; ++edge)
        geometry.edges.append(100.0 + 64.0 * edge);
    geometry.cellWidth = 64.0;
    return geometry;
}

} // namespace

Q_DECLARE_METATYPE(ReadingGeometry)

class TestShowReading : public QObject
{
    Q_OBJECT

private slots:
    void span_data();
    void span();
    void showsTheReadingThenPlacesTheMark();
};

void TestShowReading::span_data()
{
    QTest::addColumn<ReadingGeometry>("geometry");
    QTest::addColumn<QString>("code");
    QTest::addColumn<float>("x1");
    QTest::addColumn<float>("x2");

    QTest::newRow("2 marks the third character") << fullWidth(4) << u"2"_s << 228.0f << 292.0f;
    QTest::newRow("23 marks the third and fourth") << fullWidth(4) << u"23"_s << 228.0f << 356.0f;
    QTest::newRow("10 is short, on the second") << fullWidth(4) << u"10"_s << 164.0f << 228.0f;
    QTest::newRow("11 is long, from the second") << fullWidth(4) << u"11"_s << 164.0f << 292.0f;
    QTest::newRow("0 marks the first") << fullWidth(4) << u"0"_s << 100.0f << 164.0f;
    QTest::newRow("empty code marks the first") << fullWidth(4) << QString() << 100.0f << 164.0f;
    QTest::newRow("+12 is long, from the first") << fullWidth(4) << u"+12"_s << 100.0f << 228.0f;
    QTest::newRow("letter code marks the first") << fullWidth(4) << u"a9"_s << 100.0f << 164.0f;
    QTest::newRow("long reading, code 1") << fullWidth(16) << u"1"_s << 164.0f << 228.0f;
    QTest::newRow("past the end continues in cells") << fullWidth(4) << u"5"_s << 420.0f << 484.0f;
    QTest::newRow("long mark over the end") << fullWidth(4) << u"34"_s << 292.0f << 420.0f;
    QTest::newRow("empty reading") << fullWidth(0) << u"0"_s << 100.0f << 164.0f;

    ReadingGeometry proportional; // characters of unequal widths
    proportional.edges = {10.0, 30.0, 90.0, 100.0};
    proportional.cellWidth = 50.0;
    QTest::newRow("proportional, code 1") << proportional << u"1"_s << 30.0f << 90.0f;
    QTest::newRow("proportional, code 12") << proportional << u"12"_s << 30.0f << 100.0f;
}

void TestShowReading::span()
{
    QFETCH(ReadingGeometry, geometry);
    QFETCH(QString, code);
    QFETCH(float, x1);
    QFETCH(float, x2);
    const AccentSpan span = accentSpan(geometry, code);
    QCOMPARE(span.x1, x1);
    QCOMPARE(span.x2, x2);
}

void TestShowReading::showsTheReadingThenPlacesTheMark()
{
    RecordingView view;
    view.geometry = fullWidth(5);
    ShowReading(view, {u"banana"_s, u"バナーナー"_s, u"12"_s, u"バナナ"_s});
    QCOMPARE(view.steps, (QStringList{u"reading=バナーナー"_s, u"show line1"_s, u"x1=164"_s, u"x2=292"_s}));
}

QTEST_GUILESS_MAIN(TestShowReading)
#include "tst_showreading.moc"
