// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped question files load, and every card's accent mark lands inside its reading.
#include "deck/QuestionFile.h"

#include <QDir>
#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
};

void TestExamples::loads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("mustContain");

    // basic-words.txt is code page 932 with CR LF: its tilde and ソ/表 show that decoding went right.
    QTest::newRow("basic-words") << u"basic-words.txt"_s << u"after アフター 0 ～のあとで"_s;
    QTest::newRow("daily-life") << u"daily-life.txt"_s << u"refrigerator リフリジレーター 12 冷蔵庫"_s;
}

void TestExamples::loads()
{
    QFETCH(QString, fileName);
    QFETCH(QString, mustContain);

    const QString path = QDir(QStringLiteral(LEXIWREN_EXAMPLES_DIR)).filePath(fileName);
    const QuestionFileResult result = readQuestionFile(path);
    QVERIFY(std::holds_alternative<QuestionFileContents>(result));
    const QList<QString> &lines = std::get<QuestionFileContents>(result).lines;
    QVERIFY(lines.size() >= 20);
    QVERIFY(lines.contains(mustContain));

    for (const QString &line : lines) {
        const Card card = cardFromLine(line);
        const QString &reading = card[ReadingField];
        const QString &accent = card[AccentField];
        QVERIFY2(!card[EnglishField].isEmpty() && !card[MeaningField].isEmpty(), qPrintable(line));
        for (const QChar c : reading)
            QVERIFY2(c >= u'\u30A1' && c <= u'\u30FC', qPrintable(line)); // katakana and the long mark

        // One digit: the stressed character. Above 10: a two-character mark from the first digit.
        bool isNumber = false;
        const int code = accent.toInt(&isNumber);
        QVERIFY2(isNumber && accent.size() <= 2, qPrintable(line));
        const int markStart = accent.front().digitValue();
        const int markEnd = code > 10 ? markStart + 1 : markStart;
        QVERIFY2(markEnd < reading.size(), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
