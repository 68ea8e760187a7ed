// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long prompts and answers stay up at each speed.
#include "drill/Durations.h"
#include "drill/NumericValue.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using lexiwren::AnswerBaseMs;
using lexiwren::durationMs;
using lexiwren::numericValue;
using lexiwren::PromptBaseMs;

class TestDurations : public QObject
{
    Q_OBJECT

private slots:
    void speedsFromTheSpeedBox_data();
    void speedsFromTheSpeedBox();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void clampsToThe32BitRange_data();
    void clampsToThe32BitRange();
};

void TestDurations::speedsFromTheSpeedBox_data()
{
    QTest::addColumn<QString>("speedText");
    QTest::addColumn<qint32>("promptMs");
    QTest::addColumn<qint32>("answerMs");

    QTest::newRow("0.2") << QStringLiteral("0.2") << 300 << 200;
    QTest::newRow("0.5") << QStringLiteral("0.5") << 750 << 500;
    QTest::newRow("0.7") << QStringLiteral("0.7") << 1050 << 700;
    QTest::newRow("1") << QStringLiteral("1") << 1500 << 1000;
    QTest::newRow("1.5") << QStringLiteral("1.5") << 2250 << 1500;
    QTest::newRow("2") << QStringLiteral("2") << 3000 << 2000;
    QTest::newRow("3") << QStringLiteral("3") << 4500 << 3000;
    QTest::newRow("4") << QStringLiteral("4") << 6000 << 4000;
    QTest::newRow("no number") << QStringLiteral("fast") << 0 << 0;
    QTest::newRow("empty box") << QString() << 0 << 0;
}

void TestDurations::speedsFromTheSpeedBox()
{
    QFETCH(QString, speedText);
    QFETCH(qint32, promptMs);
    QFETCH(qint32, answerMs);

    // Through the text, as the window does: 0.7 is not exact in binary.
    const double factor = numericValue(speedText);
    QCOMPARE(durationMs(factor, PromptBaseMs), promptMs);
    QCOMPARE(durationMs(factor, AnswerBaseMs), answerMs);
}

void TestDurations::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("baseMs");
    QTest::addColumn<qint32>("expected");

    // Each product below is exactly the value named in the row.
    QTest::newRow("0.5 to 0") << 0.0005 << 1000.0 << 0;
    QTest::newRow("1.5 to 2") << 0.0015 << 1000.0 << 2;
    QTest::newRow("2.5 to 2") << 0.0025 << 1000.0 << 2;
    QTest::newRow("2000.5 to 2000") << 0.5 << 4001.0 << 2000;
    QTest::newRow("2001.5 to 2002") << 0.5 << 4003.0 << 2002;
    QTest::newRow("-0.5 to 0") << -0.125 << 4.0 << 0;
    QTest::newRow("-1.5 to -2") << -0.375 << 4.0 << -2;
    QTest::newRow("-2.5 to -2") << -0.625 << 4.0 << -2;
    QTest::newRow("just above a half") << std::nextafter(2.5, 3.0) << 1.0 << 3;
    QTest::newRow("just below a half") << std::nextafter(2.5, 2.0) << 1.0 << 2;
}

void TestDurations::roundsHalvesToEven()
{
    QFETCH(double, factor);
    QFETCH(double, baseMs);
    QFETCH(qint32, expected);

    QCOMPARE(durationMs(factor, baseMs), expected);
}

void TestDurations::clampsToThe32BitRange_data()
{
    constexpr qint32 lowest = std::numeric_limits<qint32>::min();
    constexpr qint32 highest = std::numeric_limits<qint32>::max();

    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("baseMs");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("largest double") << DBL_MAX << PromptBaseMs << highest;
    QTest::newRow("most negative double") << -DBL_MAX << PromptBaseMs << lowest;
    QTest::newRow("top, rounding up past it") << 2147483647.5 << 1.0 << highest;
    QTest::newRow("top, exactly") << 2147483647.0 << 1.0 << highest;
    QTest::newRow("below the top, half to even") << 2147483646.5 << 1.0 << 2147483646;
    QTest::newRow("bottom, rounding down past it") << -2147483648.5 << 1.0 << lowest;
    QTest::newRow("above the bottom, half to even") << -2147483646.5 << 1.0 << -2147483646;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0 << 0;
}

void TestDurations::clampsToThe32BitRange()
{
    QFETCH(double, factor);
    QFETCH(double, baseMs);
    QFETCH(qint32, expected);

    QCOMPARE(durationMs(factor, baseMs), expected);
}

QTEST_APPLESS_MAIN(TestDurations)
#include "tst_durations.moc"
