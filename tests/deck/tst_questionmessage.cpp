// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The learner's messages: every one names the file and fills every placeholder.
#include "deck/QuestionFile.h"

#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;
using Kind = QuestionFileError::Kind;

class TestQuestionMessage : public QObject
{
    Q_OBJECT

private slots:
    void message_data();
    void message();
};

void TestQuestionMessage::message_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("mustContain");

    const QString file = u"「words %2.txt」"_s;
    QTest::newRow("nothing selected") << int(Kind::NothingSelected) << QString() << QStringList{u"問題読込"_s};
    QTest::newRow("missing") << int(Kind::Missing) << QString() << QStringList{file};
    QTest::newRow("not a file") << int(Kind::NotRegularFile) << QString() << QStringList{file};
    QTest::newRow("unreadable") << int(Kind::Unreadable) << u"Permission denied"_s
                                << QStringList{file, u"（Permission denied）"_s};
    QTest::newRow("unreadable, no reason") << int(Kind::Unreadable) << QString() << QStringList{file};
    QTest::newRow("too few fields") << int(Kind::TooFewFields) << QString()
                                    << QStringList{file, u" 12 行目"_s, u"半角スペース"_s};
    QTest::newRow("too long") << int(Kind::LineTooLong) << QString()
                              << QStringList{file, u" 12 行目"_s, u"4096 バイト"_s};
    QTest::newRow("undecodable") << int(Kind::Undecodable) << u"UTF-8"_s
                                 << QStringList{file, u" 12 行目に読めない文字があります"_s, u"UTF-8 として"_s};
}

void TestQuestionMessage::message()
{
    QFETCH(int, kind);
    QFETCH(QString, detail);
    QFETCH(QStringList, mustContain);

    const QuestionFileError error{Kind(kind), 12, detail};
    // The "%2" in the name must survive: it shows the line number was not put in twice.
    const QString text = error.message(u"words %2.txt"_s);
    for (const QString &expected : mustContain)
        QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY2(!text.contains(u"()"_s) && !text.contains(u"（）"_s), qPrintable(text));
    QCOMPARE(text.count(u'%'), kind == int(Kind::NothingSelected) ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestQuestionMessage)
#include "tst_questionmessage.moc"
