// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// ReviewMarks: the card in view, its mark, and the review file behind it.
#include "drill/ReviewMarks.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;
using Mark = ReviewMarks::Mark;

namespace {

Card cardNamed(QChar name)
{
    const QString word = u"word"_s + name;
    return {word, u"ヨミ"_s, u"0"_s, u"いみ "_s + name};
}

QString linesOf(const QString &letters)
{
    QString lines;
    for (const QChar letter : letters)
        lines += reviewLine(cardNamed(letter)) + u'\n';
    return lines;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Runs the test in a fresh working folder and goes back afterwards.
class WorkingFolder
{
public:
    WorkingFolder()
        : m_before(QDir::currentPath())
    {
        QDir::setCurrent(m_folder.path());
    }
    ~WorkingFolder() { QDir::setCurrent(m_before); }
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;
    bool isValid() const { return m_folder.isValid(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
    QString m_before;
};

const QString Deck = u"words.txt"_s;
const QString Review = u"words-復習.txt"_s;

} // namespace

class TestReviewMarks : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void writeFailure_data();
    void writeFailure();
    void markNeverWaitsForTheWrite();
};

// Steps: "load:<file>", "show:<card letter>", "M" (toggle), "?" (look at the
// mark) and "cd" (the working folder changes). Each M and ? gives the mark's
// text; the review file ends with the cards of "file" (empty: no file).
void TestReviewMarks::marks_data()
{
    QTest::addColumn<QString>("reviewBefore");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QString>("reviewAfter");

    const QString deck = u"load:"_s + Deck;
    const QString review = u"load:"_s + Review;
    QTest::newRow("mark one") << QString() << QStringList{deck, u"show:a"_s, u"M"_s} << QStringList{u"復習"_s}
                              << u"a"_s;
    QTest::newRow("M again takes it out") << QString() << QStringList{deck, u"show:a"_s, u"M"_s, u"M"_s}
                                          << QStringList{u"復習"_s, QString()} << QString();
    QTest::newRow("order marked, each once")
        << QString()
        << QStringList{deck, u"show:c"_s, u"M"_s, u"show:a"_s, u"M"_s, u"show:b"_s, u"?"_s, u"show:c"_s, u"?"_s}
        << QStringList{u"復習"_s, u"復習"_s, QString(), u"復習"_s} << u"ca"_s;
    QTest::newRow("existing file extended")
        << u"b"_s << QStringList{deck, u"show:a"_s, u"M"_s} << QStringList{u"復習"_s} << u"ba"_s;
    QTest::newRow("card already in the file stays once")
        << u"ab"_s << QStringList{deck, u"show:a"_s, u"M"_s} << QStringList{u"復習"_s} << u"ab"_s;
    QTest::newRow("before any card, nothing")
        << QString() << QStringList{deck, u"M"_s, u"?"_s} << QStringList{QString(), QString()} << QString();
    QTest::newRow("a new load starts afresh")
        << QString() << QStringList{deck, u"show:a"_s, u"M"_s, deck, u"?"_s, u"show:a"_s, u"?"_s}
        << QStringList{u"復習"_s, QString(), QString()} << u"a"_s;
    QTest::newRow("working folder changes mid-drill")
        << QString() << QStringList{deck, u"show:a"_s, u"cd"_s, u"M"_s} << QStringList{u"復習"_s} << u"a"_s;
    QTest::newRow("review drill shrinks the file to nothing")
        << u"ab"_s << QStringList{review, u"show:a"_s, u"M"_s, u"show:b"_s, u"M"_s}
        << QStringList{u"覚えた"_s, u"覚えた"_s} << QString();
    QTest::newRow("review drill: M again puts it back") << u"ab"_s << QStringList{review, u"show:a"_s, u"M"_s, u"M"_s}
                                                        << QStringList{u"覚えた"_s, QString()} << u"ba"_s;
}

void TestReviewMarks::marks()
{
    QFETCH(QString, reviewBefore);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, marks);
    QFETCH(QString, reviewAfter);

    WorkingFolder folder;
    QVERIFY(folder.isValid());
    QTemporaryDir elsewhere;
    const QByteArray deckBytes = linesOf(u"abc"_s).toUtf8();
    QVERIFY(writeFile(Deck, deckBytes));
    if (!reviewBefore.isEmpty())
        QVERIFY(writeFile(Review, linesOf(reviewBefore).toUtf8()));

    ReviewMarks review;
    QSignalSpy problems(&review, &ReviewMarks::problem);
    QStringList seen;
    for (const QString &step : steps) {
        if (step.startsWith(u"load:"_s))
            review.deckLoaded(QFile::encodeName(step.mid(5)));
        else if (step.startsWith(u"show:"_s))
            review.cardShown(cardNamed(step.back()));
        else if (step == u"M"_s)
            seen << ReviewMarks::text(review.toggle());
        else if (step == u"?"_s)
            seen << ReviewMarks::text(review.mark());
        else if (step == u"cd"_s)
            QDir::setCurrent(elsewhere.path());
    }
    QCOMPARE(seen, marks);
    review.waitForWrites();
    QCoreApplication::processEvents();
    QCOMPARE(problems.count(), 0);

    const QString reviewPath = folder.filePath(Review);
    QCOMPARE(QString::fromUtf8(fileBytes(reviewPath)), reviewAfter.isEmpty() ? u"(none)"_s : linesOf(reviewAfter));
    QCOMPARE(fileBytes(folder.filePath(Deck)), deckBytes);
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestReviewMarks::writeFailure_data()
{
    QTest::addColumn<QString>("deckPath");
    QTest::addColumn<QByteArray>("reviewBefore");
    QTest::addColumn<QString>("saying");

    // Running as root, a read-only folder takes writes all the same: a
    // folder that is really a file refuses them whoever runs the test.
    QTest::newRow("folder cannot be written") << u"plain/words.txt"_s << QByteArray() << u"書き込めません"_s;
    QTest::newRow("review file broken by hand")
        << Deck << QByteArray("only three fields\n") << u"問題ファイルとして読めない"_s;
}

void TestReviewMarks::writeFailure()
{
    QFETCH(QString, deckPath);
    QFETCH(QByteArray, reviewBefore);
    QFETCH(QString, saying);

    WorkingFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeFile(u"plain"_s, "not a folder"));
    if (!reviewBefore.isNull())
        QVERIFY(writeFile(Review, reviewBefore));

    ReviewMarks review;
    review.setFilePreparer([](ReviewFile &file) { file.setLockTimeout(std::chrono::milliseconds(50)); });
    QSignalSpy problems(&review, &ReviewMarks::problem);
    QSignalSpy changed(&review, &ReviewMarks::markChanged);
    review.deckLoaded(QFile::encodeName(deckPath));
    review.cardShown(cardNamed(u'a'));
    QCOMPARE(review.toggle(), Mark::ForReview);
    review.cardShown(cardNamed(u'b'));
    QCOMPARE(review.toggle(), Mark::ForReview);
    QTRY_COMPARE(changed.count(), 1);

    // The card in view loses its mark, and the learner is told once.
    QCOMPARE(changed.at(0).at(0).value<Mark>(), Mark::None);
    QCOMPARE(review.mark(), Mark::None);
    QCOMPARE(problems.count(), 1);
    const QString message = problems.at(0).at(0).toString();
    QVERIFY2(message.contains(saying) && message.contains(u"words-復習.txt"_s), qPrintable(message));
    review.cardShown(cardNamed(u'a'));
    QCOMPARE(review.mark(), Mark::None);
    QCOMPARE(fileBytes(Review), reviewBefore.isNull() ? QByteArray("(none)") : reviewBefore);
    QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden).size(), reviewBefore.isNull() ? 1 : 2);
}

// The file is written on a thread of its own: a mark shows at once, even
// while the disk is still busy with the write.
void TestReviewMarks::markNeverWaitsForTheWrite()
{
    WorkingFolder folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeFile(Deck, linesOf(u"ab"_s).toUtf8()));

    QSemaphore diskDone;
    ReviewMarks review;
    review.setFilePreparer(
        [&diskDone](ReviewFile &file) { file.setBeforeRename([&diskDone] { return diskDone.tryAcquire(1, 10000); }); });
    QSignalSpy settled(&review, &ReviewMarks::settled);
    review.deckLoaded(QFile::encodeName(Deck));
    review.cardShown(cardNamed(u'a'));
    QCOMPARE(review.toggle(), Mark::ForReview);
    QVERIFY(!QFile::exists(Review));
    diskDone.release();
    QTRY_COMPARE(settled.count(), 1);
    QCOMPARE(QString::fromUtf8(fileBytes(Review)), linesOf(u"a"_s));
}

QTEST_GUILESS_MAIN(TestReviewMarks)
#include "tst_reviewmarks.moc"
