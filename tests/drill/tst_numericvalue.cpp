// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How the speed box and the accent code read a number out of a text.
#include "drill/NumericValue.h"

#include <QTest>

#include <cfloat>
#include <cmath>

using lexiwren::numericValue;

class TestNumericValue : public QObject
{
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data();
    void readsTheLeadingNumber();
    void negativeZeroReadsAsPlainZero();
};

void TestNumericValue::readsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << QStringLiteral("1") << 1.0;
    QTest::newRow("decimal") << QStringLiteral("0.2") << 0.2;
    QTest::newRow("blanks around and in") << QStringLiteral(" 1 . 5") << 1.5;
    QTest::newRow("blank between digits") << QStringLiteral("1 2") << 12.0;
    QTest::newRow("tab, CR, LF") << QStringLiteral("\t2\r\n") << 2.0;
    QTest::newRow("plus sign") << QStringLiteral("+12") << 12.0;
    QTest::newRow("minus sign") << QStringLiteral("-3") << -3.0;
    QTest::newRow("blank after sign") << QStringLiteral("- 3") << -3.0;
    QTest::newRow("leading zeros") << QStringLiteral("000123") << 123.0;
    QTest::newRow("leading dot") << QStringLiteral(".5") << 0.5;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("capital E, negative exponent") << QStringLiteral("1E-2") << 0.01;
    QTest::newRow("blanks in exponent") << QStringLiteral("1 e + 2") << 100.0;
    QTest::newRow("e without digits") << QStringLiteral("1e") << 1.0;
    QTest::newRow("e with sign only") << QStringLiteral("1e+") << 1.0;
    QTest::newRow("e then letter") << QStringLiteral("2e-x") << 2.0;
    QTest::newRow("dot ends exponent") << QStringLiteral("1e2.5") << 100.0;
    QTest::newRow("digits then letters") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("second dot ends number") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("ASCII then full-width") << QString::fromUtf8("1\uFF13") << 1.0;

    // No leading number at all.
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("sign only") << QStringLiteral("+") << 0.0;
    QTest::newRow("dot only") << QStringLiteral(".") << 0.0;
    QTest::newRow("minus dot") << QStringLiteral("-.") << 0.0;
    QTest::newRow("two signs") << QStringLiteral("+-1") << 0.0;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0;
    QTest::newRow("full-width digit") << QString::fromUtf8("\uFF13") << 0.0;

    // Beyond a double's range.
    const QString nines(400, QLatin1Char('9'));
    const QString tinyFraction = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1");

    QTest::newRow("400 digits") << nines << DBL_MAX;
    QTest::newRow("400 digits, negative") << (QStringLiteral("-") + nines) << -DBL_MAX;
    QTest::newRow("1e999") << QStringLiteral("1e999") << DBL_MAX;
    QTest::newRow("-1e999") << QStringLiteral("-1e999") << -DBL_MAX;
    QTest::newRow("exponent beyond 64 bits") << QStringLiteral("1e99999999999999999999") << DBL_MAX;
    QTest::newRow("1e-999") << QStringLiteral("1e-999") << 0.0;
    QTest::newRow("-1e-999") << QStringLiteral("-1e-999") << 0.0;
    QTest::newRow("400 zeros after the dot") << tinyFraction << 0.0;
    QTest::newRow("negative exponent beyond 64 bits") << QStringLiteral("1e-99999999999999999999") << 0.0;
    // Mantissa and exponent pull opposite ways; their sum decides.
    QTest::newRow("small mantissa, huge exponent") << QStringLiteral("0.001e1000") << DBL_MAX;
    QTest::newRow("big mantissa, tiny exponent") << QStringLiteral("100000e-330") << 0.0;
    QTest::newRow("largest double") << QStringLiteral("1.7976931348623157e308") << DBL_MAX;
    QTest::newRow("denormal") << QStringLiteral("4e-320") << 4e-320;
}

void TestNumericValue::readsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    // Exact: a text reads as the nearest double, as the same literal does.
    const double actual = numericValue(text);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("got %1").arg(actual, 0, 'g', 17)));
}

void TestNumericValue::negativeZeroReadsAsPlainZero()
{
    for (const QString &text : {QStringLiteral("-0"), QStringLiteral("-0.0e5"), QStringLiteral("-1e-999")}) {
        const double actual = numericValue(text);
        QCOMPARE(actual, 0.0);
        QVERIFY2(!std::signbit(actual), qPrintable(text));
    }
}

QTEST_APPLESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
