// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// readQuestionFile: what the file system can throw at the window's load button.
#include "QuestionResultText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lexiwren;
using namespace lexiwren::test;
using namespace Qt::StringLiterals;
using Kind = QuestionFileError::Kind;

namespace {

enum class Setup { Nothing, UnderAFile, DanglingLink, Directory, Fifo, Device, Unreadable };

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray cardLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "w" + QByteArray::number(i) + " r 0 m\r\n";
    return bytes;
}

} // namespace

class TestQuestionFileOnDisk : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void readsLikeMemory_data();
    void readsLikeMemory();
};

void TestQuestionFileOnDisk::refused_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("kind");

    QTest::newRow("missing") << Setup::Nothing << int(Kind::Missing);
    QTest::newRow("path under a file") << Setup::UnderAFile << int(Kind::Missing);
    QTest::newRow("dangling link") << Setup::DanglingLink << int(Kind::Missing);
    QTest::newRow("directory") << Setup::Directory << int(Kind::NotRegularFile);
    QTest::newRow("FIFO") << Setup::Fifo << int(Kind::NotRegularFile);
    QTest::newRow("device behind a link") << Setup::Device << int(Kind::NotRegularFile);
    QTest::newRow("no read permission") << Setup::Unreadable << int(Kind::Unreadable);
}

void TestQuestionFileOnDisk::refused()
{
    QFETCH(Setup, setup);
    QFETCH(int, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(u"x.txt"_s);
    const QByteArray name = QFile::encodeName(path);

    switch (setup) {
    case Setup::Nothing:
        break;
    case Setup::UnderAFile:
        QVERIFY(writeFile(path, "a b c d\n"));
        path += u"/y.txt"_s;
        break;
    case Setup::DanglingLink:
        QVERIFY(QFile::link(dir.filePath(u"gone.txt"_s), path));
        break;
    case Setup::Directory:
        QVERIFY(QDir(dir.path()).mkdir(u"x.txt"_s));
        break;
    case Setup::Fifo:
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        break;
    case Setup::Device:
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
        break;
    case Setup::Unreadable:
        if (::geteuid() == 0)
            QSKIP("Running as root, which reads a file whatever its permission bits say.");
        QVERIFY(writeFile(path, "a b c d\n"));
        QCOMPARE(::chmod(name.constData(), 0), 0);
        break;
    }

    // A blocking open of the FIFO would hang; give it a writer so the test fails instead.
    auto reading = std::async(std::launch::async, [path] { return readQuestionFile(path); });
    if (reading.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
        reading.wait();
        ::close(writer);
        QFAIL("readQuestionFile blocked");
    }
    const QuestionFileResult result = reading.get();
    const auto *error = std::get_if<QuestionFileError>(&result);
    QVERIFY(error);
    QCOMPARE(int(error->kind), kind);
    QCOMPARE(error->detail.isEmpty(), error->kind != Kind::Unreadable);
}

void TestQuestionFileOnDisk::readsLikeMemory_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QStringList cards;
    for (int i = 1; i <= MaxCards; ++i)
        cards << u"w%1 r 0 m"_s.arg(i);
    constexpr qsizetype Junk = 50 * 1024 * 1024;

    QTest::newRow("CP932 with CR LF") << QByteArray("sauce \x83\x5C\x81\x5B\x83\x58 0 \x95\x5C\r\n")
                                      << QStringList{u"sauce ソース 0 表"_s};
    QTest::newRow("CR LF across the first piece") << QByteArray(65535, '\n') + "\r\nx\n"
                                                  << errorText(Kind::TooFewFields, 65537);
    QTest::newRow("99 cards then 50 MB on one line") << cardLines(99) + QByteArray(Junk, 'x') << cards;
    QTest::newRow("50 MB first line") << QByteArray(Junk, ' ') << errorText(Kind::LineTooLong, 1);
}

void TestQuestionFileOnDisk::readsLikeMemory()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"words.txt"_s);
    QVERIFY(writeFile(path, bytes));

    QCOMPARE(resultText(readQuestionFile(path)), expected);
    QCOMPARE(resultText(parseQuestionBytes(bytes)), expected);
}

QTEST_GUILESS_MAIN(TestQuestionFileOnDisk)
#include "tst_questionfileondisk.moc"
