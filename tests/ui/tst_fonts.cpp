// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's faces: the installed ones among those wanted, and a warning
// when another face has to stand in.
#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void installedFacesAreKeptInOrder();
    void missingFacesFallBackWithAWarning();
};

void TestFonts::installedFacesAreKeptInOrder()
{
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QCOMPARE(installedFamilies({u"No Such Face"_s, u"IPAPGothic"_s, u"IPAGothic"_s}),
             (QStringList{u"IPAPGothic"_s, u"IPAGothic"_s}));
}

void TestFonts::missingFacesFallBackWithAWarning()
{
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(u"None of the faces No Such Face, Nor This is installed; using .+"_s));
    const QStringList families = installedFamilies({u"No Such Face"_s, u"Nor This"_s});
    QCOMPARE(families.size(), 1);
    QVERIFY2(QFontDatabase::families(QFontDatabase::Japanese).contains(families.first()), qPrintable(families.first()));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
