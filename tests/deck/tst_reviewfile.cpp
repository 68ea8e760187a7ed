// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// ReviewFile: the marked cards of a question file, written next to it.
#include "deck/ReviewFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include <sys/stat.h>
#include <unistd.h>

using namespace lexiwren;
using namespace Qt::StringLiterals;
using Kind = ReviewOutcome::Kind;

namespace {

const Card Apple{u"apple"_s, u"アップル"_s, u"0"_s, u"りんご"_s};
const Card Banana{u"banana"_s, u"バナナ"_s, u"1"_s, u"バナナ"_s};
const Card Cherry{u"cherry"_s, u"チェリー"_s, u"0"_s, u"さくらんぼ"_s};
const Card GiveUp{u"give up"_s, u"ギブアップ"_s, u"2"_s, u"あきらめる"_s};

const QByteArray AppleLine = QByteArrayLiteral("apple \xE3\x82\xA2\xE3\x83\x83\xE3\x83\x97\xE3\x83\xAB 0 "
                                               "\xE3\x82\x8A\xE3\x82\x93\xE3\x81\x94");
const QByteArray BananaLine = QByteArrayLiteral("banana \xE3\x83\x90\xE3\x83\x8A\xE3\x83\x8A 1 "
                                                "\xE3\x83\x90\xE3\x83\x8A\xE3\x83\x8A");
const QByteArray CherryLine = QString(u"cherry チェリー 0 さくらんぼ"_s).toUtf8();
const QByteArray NoFile; // a null array: there is no file

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file's bytes, or a null array when there is none.
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

Card cardNamed(QChar name)
{
    switch (name.unicode()) {
    case u'a':
        return Apple;
    case u'b':
        return Banana;
    case u'c':
        return Cherry;
    default:
        return GiveUp;
    }
}

} // namespace

class TestReviewFile : public QObject
{
    Q_OBJECT

private slots:
    void paths_data();
    void paths();
    void changes_data();
    void changes();
    void roundTrip_data();
    void roundTrip();
    void refusedFileLeftAlone_data();
    void refusedFileLeftAlone();
    void interruptedWriteKeepsOldFile();
    void cannotWrite_data();
    void cannotWrite();
    void twoWriters();
};

void TestReviewFile::paths_data()
{
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<QByteArray>("review");

    const QByteArray here = QFile::encodeName(QDir::currentPath());
    QTest::newRow("relative name") << QByteArray("words.txt") << here + "/words-\xE5\xBE\xA9\xE7\xBF\x92.txt";
    QTest::newRow("absolute, capital ending")
        << QByteArray("/data/Words.TXT") << QByteArray("/data/Words-\xE5\xBE\xA9\xE7\xBF\x92.TXT");
    QTest::newRow("Shift_JIS name") << QByteArray("/d/\x92\x50\x8C\xEA.txt")
                                    << QByteArray("/d/\x92\x50\x8C\xEA-\xE5\xBE\xA9\xE7\xBF\x92.txt");
}

void TestReviewFile::paths()
{
    QFETCH(QByteArray, question);
    QFETCH(QByteArray, review);

    QCOMPARE(reviewFilePath(question), review);
    QVERIFY(!isReviewFile(question));
    QVERIFY(isReviewFile(review));
}

// Each row starts from a file (or none), applies "+x" (mark) and "-x" (take
// out) for cards a, b, c and g ("give up"), and ends with the file's bytes.
void TestReviewFile::changes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("after");

    const QByteArray crlf = "\r\n";
    QTest::newRow("first mark makes the file") << NoFile << QStringList{u"+a"_s} << AppleLine + "\n";
    QTest::newRow("in the order marked") << NoFile << QStringList{u"+b"_s, u"+a"_s, u"+c"_s}
                                         << BananaLine + "\n" + AppleLine + "\n" + CherryLine + "\n";
    QTest::newRow("never twice") << NoFile << QStringList{u"+a"_s, u"+b"_s, u"+a"_s}
                                 << AppleLine + "\n" + BananaLine + "\n";
    QTest::newRow("taken out again, file goes") << NoFile << QStringList{u"+a"_s, u"-a"_s} << NoFile;
    QTest::newRow("others stay") << NoFile << QStringList{u"+a"_s, u"+b"_s, u"+c"_s, u"-b"_s}
                                 << AppleLine + "\n" + CherryLine + "\n";
    QTest::newRow("marked again goes last")
        << NoFile << QStringList{u"+a"_s, u"+b"_s, u"-a"_s, u"+a"_s} << BananaLine + "\n" + AppleLine + "\n";
    QTest::newRow("spaces: cut at tabs") << NoFile << QStringList{u"+g"_s}
                                         << QString(u"give up\tギブアップ\t2\tあきらめる\n"_s).toUtf8();
    QTest::newRow("no file, nothing to take out") << NoFile << QStringList{u"-a"_s} << NoFile;

    const QByteArray edited = BananaLine + crlf + crlf + CherryLine + " extra words" + crlf;
    QTest::newRow("edited by hand: extended as it is") << edited << QStringList{u"+a"_s} << edited + AppleLine + crlf;
    QTest::newRow("edited by hand: line taken out, rest kept")
        << edited << QStringList{u"-b"_s} << crlf + CherryLine + " extra words" + crlf;
    QTest::newRow("edited by hand: a card not in it") << edited << QStringList{u"-a"_s} << edited;
    QTest::newRow("no line end at the end")
        << BananaLine << QStringList{u"+a"_s} << BananaLine + "\n" + AppleLine + "\n";
    QTest::newRow("end-of-file mark") << BananaLine + crlf + "\x1A" << QStringList{u"+a"_s}
                                      << BananaLine + crlf + AppleLine + crlf;
    QTest::newRow("byte-order mark, card added")
        << "\xEF\xBB\xBF" + BananaLine + "\n"
        << QStringList{u"+a"_s} << "\xEF\xBB\xBF" + BananaLine + "\n" + AppleLine + "\n";
    QTest::newRow("Shift_JIS file becomes UTF-8")
        << QByteArray("banana \x83\x6F\x83\x69\x83\x69 1 \x83\x6F\x83\x69\x83\x69\r\n") << QStringList{u"+a"_s}
        << BananaLine + "\n" + AppleLine + "\n";
    QTest::newRow("only blank lines left: file goes")
        << crlf + BananaLine + crlf + crlf << QStringList{u"-b"_s} << NoFile;
}

void TestReviewFile::changes()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"words-復習.txt"_s);
    if (!before.isNull())
        QVERIFY(writeFile(path, before));

    ReviewFile file(QFile::encodeName(path));
    for (const QString &step : steps) {
        const Card card = cardNamed(step.at(1));
        const ReviewOutcome outcome = step.startsWith(u'+') ? file.add(card) : file.remove(card);
        QVERIFY2(!outcome.failed(), qPrintable(step + u": "_s + outcome.message(u"words-復習.txt"_s)));
    }
    QCOMPARE(fileBytes(path), after);
    // Nothing but the file itself is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), after.isNull() ? 0 : 1);
}

// A card read from a question file is read back from the review file as
// the same four fields.
void TestReviewFile::roundTrip_data()
{
    QTest::addColumn<QByteArray>("questionLine");

    QTest::newRow("plain") << AppleLine;
    QTest::newRow("tab-separated with spaces") << QString(u"ice cream\tアイスクリーム\t3\tアイス クリーム"_s).toUtf8();
    QTest::newRow("tab-separated, empty meaning") << QByteArray("give up\t\xE3\x82\xAE\t2\t");
    QTest::newRow("empty field from two spaces") << QByteArray("apple  0 x");
    QTest::newRow("a tab inside a space line") << QByteArray("a\tb r 0 m\tn");
    QTest::newRow("extra fields dropped") << AppleLine + " more words here";
    QTest::newRow("Shift_JIS from a CP932 file") << QByteArray("sauce \x83\x5C\x81\x5B\x83\x58 0 \x95\x5C");
}

void TestReviewFile::roundTrip()
{
    QFETCH(QByteArray, questionLine);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString question = dir.filePath(u"deck.txt"_s);
    QVERIFY(writeFile(question, questionLine + "\r\n"));
    const QuestionFileResult loaded = readQuestionFile(question);
    QVERIFY(std::holds_alternative<QuestionFileContents>(loaded));
    const Card card = cardFromLine(std::get<QuestionFileContents>(loaded).lines.value(0));

    ReviewFile review(reviewFilePath(QFile::encodeName(question)));
    QCOMPARE(int(review.add(card).kind), int(Kind::Added));
    const QuestionFileResult reread = readQuestionFile(review.path());
    QVERIFY(std::holds_alternative<QuestionFileContents>(reread));
    const QList<QString> lines = std::get<QuestionFileContents>(reread).lines;
    QCOMPARE(lines.size(), 1);
    QCOMPARE(cardFromLine(lines[0]), card);
    QCOMPARE(review.cards(), QList<Card>{card});
    QCOMPARE(int(review.remove(card).kind), int(Kind::FileRemoved));
    QVERIFY(!QFile::exists(QFile::decodeName(review.path())));
    QCOMPARE(fileBytes(question), questionLine + "\r\n");
}

void TestReviewFile::refusedFileLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("directory");

    QTest::newRow("too few fields") << BananaLine + "\nnot a card\n" << false;
    QTest::newRow("line too long") << QByteArray(5000, 'x') << false;
    QTest::newRow("a folder of that name") << QByteArray() << true;
}

void TestReviewFile::refusedFileLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, directory);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"w-復習.txt"_s);
    if (directory)
        QVERIFY(QDir(dir.path()).mkdir(u"w-復習.txt"_s));
    else
        QVERIFY(writeFile(path, bytes));

    ReviewFile file(QFile::encodeName(path));
    for (const Card &card : {Apple, Banana}) {
        const ReviewOutcome added = file.add(card);
        QCOMPARE(int(added.kind), int(Kind::NotQuestions));
        const ReviewOutcome removed = file.remove(card);
        QCOMPARE(int(removed.kind), int(Kind::NotQuestions));
        const QString message = added.message(u"w-復習.txt"_s);
        QVERIFY2(message.contains(u"「w-復習.txt」"_s) && message.contains(u"そのまま"_s), qPrintable(message));
    }
    if (!directory)
        QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

// A crash after the new file is written and before it is renamed leaves the
// old file whole; the next change goes through.
void TestReviewFile::interruptedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"w-復習.txt"_s);
    const QByteArray old = BananaLine + "\n";
    QVERIFY(writeFile(path, old));

    ReviewFile file(QFile::encodeName(path));
    QByteArray seenNew;
    QByteArray seenOld;
    file.setBeforeRename([&] {
        const QStringList pending = QDir(dir.path()).entryList({u".*.new"_s}, QDir::Files | QDir::Hidden);
        seenNew = pending.size() == 1 ? fileBytes(dir.filePath(pending[0])) : QByteArray("no single new file");
        seenOld = fileBytes(path);
        return false;
    });
    QCOMPARE(int(file.add(Apple).kind), int(Kind::Interrupted));
    QCOMPARE(seenNew, old + AppleLine + "\n");
    QCOMPARE(seenOld, old);
    QCOMPARE(fileBytes(path), old);

    file.setBeforeRename({});
    QCOMPARE(int(file.add(Apple).kind), int(Kind::Added));
    QCOMPARE(file.cards(), (QList<Card>{Banana, Apple}));
    QCOMPARE(fileBytes(path), old + AppleLine + "\n");
    QCOMPARE(QDir(dir.path()).entryList({u".*.new"_s}, QDir::Files | QDir::Hidden), QStringList());
}

void TestReviewFile::cannotWrite_data()
{
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::newRow("folder is a file") << false;
    QTest::newRow("read-only folder") << true;
}

void TestReviewFile::cannotWrite()
{
    QFETCH(bool, readOnlyFolder);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path;
    if (readOnlyFolder) {
        if (::geteuid() == 0)
            QSKIP("Running as root, which writes into a folder whatever its permission bits say; "
                  "the row \"folder is a file\" refuses the write instead.");
        QVERIFY(writeFile(dir.filePath(u"w-復習.txt"_s), BananaLine + "\n"));
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
        path = dir.filePath(u"w-復習.txt"_s);
    } else {
        QVERIFY(writeFile(dir.filePath(u"plain"_s), "x"));
        path = dir.filePath(u"plain/w-復習.txt"_s);
    }

    ReviewFile file(QFile::encodeName(path));
    file.setLockTimeout(std::chrono::milliseconds(100));
    const ReviewOutcome outcome = file.add(Apple);
    if (readOnlyFolder)
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QCOMPARE(int(outcome.kind), int(Kind::CannotWrite));
    QVERIFY(!outcome.detail.isEmpty());
    QVERIFY(outcome.message(u"w-復習.txt"_s).contains(u"書き込めません"_s));
    QCOMPARE(fileBytes(path), readOnlyFolder ? BananaLine + "\n" : NoFile);
}

// Two writers on one file at once, as two copies of the program would be:
// every card of both ends up in it, once, each writer's in its own order.
void TestReviewFile::twoWriters()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.filePath(u"w-復習.txt"_s));
    constexpr int PerWriter = 25;
    const auto cardOf = [](int writer, int i) {
        return Card{u"w%1c%2"_s.arg(writer).arg(i), u"ヨミ"_s, u"0"_s, u"いみ"_s};
    };
    const auto write = [&](int writer, int *failures) {
        ReviewFile file(path);
        for (int i = 0; i < PerWriter; ++i) {
            if (file.add(cardOf(writer, i)).kind != Kind::Added)
                ++*failures;
        }
    };
    int failures[2] = {};
    std::thread first(write, 1, &failures[0]);
    std::thread second(write, 2, &failures[1]);
    first.join();
    second.join();
    QCOMPARE(failures[0] + failures[1], 0);

    const QList<Card> cards = ReviewFile(path).cards();
    QCOMPARE(cards.size(), 2 * PerWriter);
    for (int writer = 1; writer <= 2; ++writer) {
        qsizetype last = -1;
        for (int i = 0; i < PerWriter; ++i) {
            const qsizetype at = cards.indexOf(cardOf(writer, i));
            QVERIFY2(at > last, qPrintable(u"card %1 of writer %2"_s.arg(i).arg(writer)));
            last = at;
        }
    }
}

QTEST_GUILESS_MAIN(TestReviewFile)
#include "tst_reviewfile.moc"
