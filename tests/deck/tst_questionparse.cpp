// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading rule on bytes in memory, whole and fed one byte at a time.
#include "QuestionResultText.h"

#include "deck/LineCollector.h"

#include <QRegularExpression>
#include <QTest>

using namespace lexiwren;
using namespace lexiwren::test;
using namespace Qt::StringLiterals;
using Kind = QuestionFileError::Kind;

namespace {

// Every piece boundary a 64 KiB reader could meet, all at once.
QuestionFileResult parseByteByByte(const QByteArray &bytes)
{
    LineCollector collector;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!collector.feed(bytes.sliced(i, 1)))
            break;
    }
    return collector.finish();
}

QByteArray cardLines(int count, const char *lineEnd = "\n")
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray::number(i) + " r 0 m" + lineEnd;
    return bytes;
}

QStringList cardTexts(int first, int last)
{
    QStringList lines;
    for (int i = first; i <= last; ++i)
        lines << u"w%1 r 0 m"_s.arg(i);
    return lines;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes(bigEndian ? "\xFE\xFF" : "\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + low : QByteArray{&low, 1} + high;
    }
    return bytes;
}

} // namespace

class TestQuestionParse : public QObject
{
    Q_OBJECT

private slots:
    void keptLines_data();
    void keptLines();
    void errors_data();
    void errors();
    void cardFields_data();
    void cardFields();
    void replacedBytesAreLogged();
};

void TestQuestionParse::keptLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QString apple = u"apple アップル 0 りんご"_s;
    const QByteArray appleUtf8 = apple.toUtf8();

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("only line ends") << QByteArray("\n\r\n\r\r") << QStringList();
    QTest::newRow("LF") << QByteArray("a b c d\ne f g h\n") << QStringList{u"a b c d"_s, u"e f g h"_s};
    QTest::newRow("CR LF") << QByteArray("a b c d\r\ne f g h\r\n") << QStringList{u"a b c d"_s, u"e f g h"_s};
    QTest::newRow("lone CR") << QByteArray("a b c d\re f g h\r") << QStringList{u"a b c d"_s, u"e f g h"_s};
    QTest::newRow("no final line end") << QByteArray("a b c d\r\ne f g h") << QStringList{u"a b c d"_s, u"e f g h"_s};
    QTest::newRow("blank lines skipped") << QByteArray("\n\na b c d\r\n\r\n\re f g h\n\n")
                                         << QStringList{u"a b c d"_s, u"e f g h"_s};
    QTest::newRow("line of spaces is a card") << QByteArray("   \n    ") << QStringList{u"   "_s, u"    "_s};
    QTest::newRow("pieces not trimmed") << QByteArray(" a  b c \t\n") << QStringList{u" a  b c \t"_s};
    QTest::newRow("4096 bytes is allowed")
        << QByteArray("a b c ") + QByteArray(4090, 'x') << QStringList{u"a b c "_s + QString(4090, u'x')};

    QTest::newRow("150 lines keep 99") << cardLines(150) << cardTexts(1, 99);
    QTest::newRow("99th card ends reading") << cardLines(99) + "bad\n" + QByteArray(9000, 'x') << cardTexts(1, 99);
    QByteArray spaced = "\n\n" + cardLines(99, "\r\n\r\n") + "w100 r 0 m\n";
    QTest::newRow("blank lines do not count") << spaced << cardTexts(1, 99);

    QTest::newRow("UTF-8") << appleUtf8 << QStringList{apple};
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + appleUtf8 << QStringList{apple};
    QTest::newRow("UTF-8 with BOM, bad byte") << QByteArray("\xEF\xBB\xBF"
                                                            "a b c \xFF")
                                              << QStringList{u"a b c \uFFFD"_s};
    QTest::newRow("BOM bytes on a later line are text")
        << "a b c d\n\xEF\xBB\xBF" + appleUtf8 << QStringList{u"a b c d"_s, u"\uFEFF"_s + apple};
    QTest::newRow("UTF-16LE") << utf16(apple + u"\r\n\r\n"_s + apple, false) << QStringList{apple, apple};
    QTest::newRow("UTF-16BE") << utf16(apple + u"\r"_s + apple + u"\n"_s, true) << QStringList{apple, apple};
    QTest::newRow("UTF-16 odd last byte") << utf16(u"a b c "_s, false) + 'd' << QStringList{u"a b c \uFFFD"_s};
    QTest::newRow("UTF-16 BOM only") << QByteArray("\xFF\xFE") << QStringList();
    QTest::newRow("UTF-16 4096 bytes") << utf16(u"a b c "_s + QString(2042, u'x'), true)
                                       << QStringList{u"a b c "_s + QString(2042, u'x')};
    QTest::newRow("first byte of a BOM only") << QByteArray("\xFF"
                                                            "a b c d")
                                              << QStringList{u"\uFFFDa b c d"_s};

    QTest::newRow("CP932 circled one, tilde")
        << QByteArray("one \x87\x40 0 \x81\x60\r\n") << QStringList{u"one ① 0 ～"_s};
    QTest::newRow("CP932 half-width katakana")
        << QByteArray("apple \xB1\xAF\xCC\xDF\xD9 0 x") << QStringList{u"apple ｱｯﾌﾟﾙ 0 x"_s};
    QTest::newRow("CP932 5C trail bytes")
        << QByteArray("sauce \x83\x5C\x81\x5B\x83\x58 0 \x95\x5C") << QStringList{u"sauce ソース 0 表"_s};
    QTest::newRow("CP932 bad lead byte") << QByteArray("a b c \x85\x40\x80") << QStringList{u"a b c \uFFFD@\uFFFD"_s};
    QTest::newRow("CP932 lead byte cut off at end")
        << QByteArray("a b c \x82\xA0\x82") << QStringList{u"a b c あ\uFFFD"_s};
    QTest::newRow("CP932 lead byte before line end")
        << QByteArray("a b c \x82\na b c d") << QStringList{u"a b c \uFFFD"_s, u"a b c d"_s};
    QTest::newRow("one CP932 line decides the file")
        << QByteArray("\xE3\x81\x82 x y z\n\x95\x5C x y z") << QStringList{u"縺\uFFFD x y z"_s, u"表 x y z"_s};
    QTest::newRow("bytes after the 99th card do not decide") << cardLines(99) + "\x82\xA0 x y z\n" << cardTexts(1, 99);

    QTest::newRow("end mark after the last line end") << QByteArray("a b c d\r\n\x1A") << QStringList{u"a b c d"_s};
    QTest::newRow("end mark ending the last line") << QByteArray("a b c d\x1A") << QStringList{u"a b c d"_s};
    QTest::newRow("end mark only") << QByteArray("\x1A") << QStringList();
    QTest::newRow("end mark before a line end is text")
        << QByteArray("a b c d\x1A\r\n") << QStringList{u"a b c d\u001A"_s};
    QTest::newRow("end mark after 4096 bytes")
        << QByteArray("a b c ") + QByteArray(4090, 'x') + '\x1A' << QStringList{u"a b c "_s + QString(4090, u'x')};
    QTest::newRow("UTF-16 end mark") << utf16(u"a b c d\r\n\u001A"_s, true) << QStringList{u"a b c d"_s};
    QTest::newRow("UTF-16 end mark before an odd byte")
        << utf16(u"a b c \u001A"_s, false) + 'd' << QStringList{u"a b c \u001A\uFFFD"_s};

    const QString giveUp = u"give up\tギブアップ\t1\tあきらめる"_s;
    QTest::newRow("tab-separated export") << giveUp.toUtf8() + "\r\nice cream\t\t\t\r\n"
                                          << QStringList{giveUp, u"ice cream\t\t\t"_s};
    QTest::newRow("tab lines beside space lines")
        << QByteArray("a b c d\ne f\tg\th\ti\n") << QStringList{u"a b c d"_s, u"e f\tg\th\ti"_s};
}

void TestQuestionParse::keptLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    QCOMPARE(resultText(parseQuestionBytes(bytes)), lines);
    QCOMPARE(resultText(parseByteByByte(bytes)), lines);
}

void TestQuestionParse::errors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lineNumber");

    const int tooFew = int(Kind::TooFewFields), tooLong = int(Kind::LineTooLong);
    const QByteArray longLine = "a b c " + QByteArray(4091, 'x');

    QTest::newRow("three pieces") << QByteArray("a b c") << tooFew << 1;
    QTest::newRow("two spaces only") << QByteArray("a b c d\n  \n") << tooFew << 2;
    QTest::newRow("counts blank LF lines") << QByteArray("\n\na b\n") << tooFew << 3;
    QTest::newRow("counts CR LF once") << QByteArray("a b c d\r\n\r\nx\r\n") << tooFew << 3;
    QTest::newRow("counts lone CR lines") << QByteArray("a b c d\r\rx") << tooFew << 3;
    QTest::newRow("full-width space is no separator") << QByteArray("a\xE3\x80\x80"
                                                                    "b c d")
                                                      << tooFew << 1;
    QTest::newRow("4097 bytes") << "a b c d\n\n" + longLine << tooLong << 3;
    QTest::newRow("4097 bytes before a line end") << longLine + "\r\n" << tooLong << 1;
    QTest::newRow("UTF-16 4098 bytes") << utf16(QString(2049, u' '), false) << tooLong << 1;
    QTest::newRow("short line before long line") << "x\n" + longLine << tooFew << 1;
    QTest::newRow("long line before short line") << longLine + "\nx" << tooLong << 1;
    QTest::newRow("blanks between many cards count") << "\n" + cardLines(98, "\n\n") + "x" << tooFew << 198;
    const int unreadable = int(Kind::Undecodable);
    const QByteArray cafe = u"tea ティー 0 お茶\ncafé カフェ 0 喫茶店\n"_s.toUtf8();
    QTest::newRow("Latin-1 letter in UTF-8") << QByteArray(cafe).replace("\xC3\xA9", "\xE9") << unreadable << 2;
    QTest::newRow("UTF-8 cut inside a character") << u"apple アップル 0 りん"_s.toUtf8() + "\xE3\x81\n"
                                                  << unreadable << 1;
    QTest::newRow("unreadable line before short line") << QByteArray(cafe).replace("\xC3\xA9", "\xE9") + "x\n"
                                                       << unreadable << 2;
    QTest::newRow("short line before unreadable line")
        << "x\n" + QByteArray(cafe).replace("\xC3\xA9", "\xE9") << tooFew << 1;
    QTest::newRow("only the last of two end marks") << QByteArray("a b c d\n\x1A\x1A") << tooFew << 2;
    QTest::newRow("two tabs are no tab-separated line") << QByteArray("a b c d\ngive up\tx\ty\n") << tooFew << 2;
}

void TestQuestionParse::errors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(int, lineNumber);

    const QStringList expected = errorText(Kind(kind), lineNumber);
    QCOMPARE(resultText(parseQuestionBytes(bytes)), expected);
    QCOMPARE(resultText(parseByteByByte(bytes)), expected);
}

void TestQuestionParse::cardFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("four pieces") << u"apple アップル 0 りんご"_s
                                 << QStringList{u"apple"_s, u"アップル"_s, u"0"_s, u"りんご"_s};
    QTest::newRow("five pieces keep four") << u"a b c d e f"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("leading space") << u" b c d"_s << QStringList{QString(), u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("two spaces") << u"a  c d"_s << QStringList{u"a"_s, QString(), u"c"_s, u"d"_s};
    QTest::newRow("three spaces") << u"   "_s << QStringList{QString(), QString(), QString(), QString()};
    QTest::newRow("trailing space") << u"a b c d "_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("tab stays in field") << u"a\tb c d e"_s << QStringList{u"a\tb"_s, u"c"_s, u"d"_s, u"e"_s};
    QTest::newRow("two tabs stay in fields") << u"a\tb c\td e f"_s << QStringList{u"a\tb"_s, u"c\td"_s, u"e"_s, u"f"_s};
    QTest::newRow("three tabs cut, spaces kept")
        << u"give up\tギブ アップ\t1\t諦める"_s << QStringList{u"give up"_s, u"ギブ アップ"_s, u"1"_s, u"諦める"_s};
    QTest::newRow("tab columns after the fourth ignored")
        << u"ice cream\tアイスクリーム\t1\tアイス\tfood\t3"_s
        << QStringList{u"ice cream"_s, u"アイスクリーム"_s, u"1"_s, u"アイス"_s};
    QTest::newRow("empty tab fields") << u"\t\t1\t"_s << QStringList{QString(), QString(), u"1"_s, QString()};
}

void TestQuestionParse::cardFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);

    const Card card = cardFromLine(line);
    QCOMPARE(QStringList(card.begin(), card.end()), fields);
}

void TestQuestionParse::replacedBytesAreLogged()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^2 line\\(s\\) read as Shift_JIS .* line 3\\)$"_s));
    parseQuestionBytes("a b c d\n\na b c \x85\na b c \x80");

    QTest::failOnWarning(QRegularExpression(u".*"_s));
    parseQuestionBytes("\x95\x5C x y z\n");
    parseQuestionBytes(u"あ x y z"_s.toUtf8());
}

QTEST_GUILESS_MAIN(TestQuestionParse)
#include "tst_questionparse.moc"
