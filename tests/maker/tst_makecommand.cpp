// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker from the learner's word list to a question file: the word list,
// the question file's text read back by the real loader, the flags' words,
// the dictionaries' failures and the command line end to end on small
// dictionary files written here.
#include "maker/Drafter.h"
#include "maker/MakeCommand.h"

#include "deck/QuestionFile.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace lexiwren;
using namespace lexiwren::maker;

namespace {

const QByteArray SmallCmu = "MNCL\n"
                            "(\"apple\" nil (((ae) 1) ((p ax l) 0)))\n"
                            "(\"run\" nil (((r ah n) 1)))\n"
                            "(\"ice\" nil (((ay s) 1)))\n"
                            "(\"cream\" nil (((k r iy m) 1)))\n"
                            "(\"wet\" nil (((w eh t) 1)))\n";

const QString SmallEdict = uR"(　？？？ /EDICT/
林檎 [りんご] /(n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree/(P)/
アップル /(n) apple/
走る [はしる] /(v5r,vi) (1) to run/(P)/
アイスクリーム /(n) ice cream/(P)/
ウエット /(adj-na,n) (1) wet/moist/(n) (2) soft-hearted/(P)/
ウェット /(adj-na,n) (1) wet/moist/(n) (2) soft-hearted/
応ずる [おうずる] /(vs-c,vi) (1) to answer/to respond/(vs-c) (2) to comply with/(P)/
答え [こたえ] /(n) (1) answer/reply/(n) (2) solution/(P)/
)"_s;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Dictionaries
{
    QTemporaryDir dir;
    DictionaryPaths paths{dir.filePath(u"cmudict.out"_s), dir.filePath(u"edict"_s)};

    Dictionaries()
    {
        QStringEncoder eucJp("EUC-JP");
        if (!writeFile(paths.cmu, SmallCmu) || !writeFile(paths.edict, eucJp.encode(SmallEdict)))
            qFatal("cannot write the test dictionaries");
    }
};

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run runCommand(const QStringList &arguments, const DictionaryPaths &defaults)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Run run;
    run.status = runMakeCommand(arguments, out, err, defaults);
    run.out = out.data();
    run.err = QString::fromUtf8(err.data());
    return run;
}

QList<Card> loadBack(const QByteArray &bytes)
{
    QList<Card> cards;
    const QuestionFileResult result = parseQuestionBytes(bytes);
    if (const auto *contents = std::get_if<QuestionFileContents>(&result))
        for (const QString &line : contents->lines)
            cards.append(cardFromLine(line));
    return cards;
}

} // namespace

class TestMakeCommand : public QObject
{
    Q_OBJECT

private slots:
    void wordList_data();
    void wordList();
    void questionFileLoadsBack_data();
    void questionFileLoadsBack();
    void flagsHaveTheirOwnWords();
    void dictionaryFailures_data();
    void dictionaryFailures();
    void draftsOnSmallDictionaries();
    void kanjidicIsOptional_data();
    void kanjidicIsOptional();
    void wordnetIsOptional();
    void commandLine();
    void commandLineFailures_data();
    void commandLineFailures();
};

void TestMakeCommand::wordList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("one a line") << u"apple\nrun\n"_s << QStringList{u"apple"_s, u"run"_s};
    QTest::newRow("blank lines and spaces") << u"\n  apple  \n\n \t\nrun"_s << QStringList{u"apple"_s, u"run"_s};
    QTest::newRow("CR LF and CR") << u"apple\r\nrun\rsing\r\n"_s << QStringList{u"apple"_s, u"run"_s, u"sing"_s};
    QTest::newRow("repeats in any case dropped, first kept")
        << u"Apple\nrun\napple\nRUN\n"_s << QStringList{u"Apple"_s, u"run"_s};
    QTest::newRow("phrase with a tab and double spaces")
        << u"ice\tcream\ngive  up\n"_s << QStringList{u"ice cream"_s, u"give up"_s};
    QTest::newRow("byte-order mark") << u"\uFEFFapple\n"_s << QStringList{u"apple"_s};
    QTest::newRow("nothing") << u" \n\n"_s << QStringList{};
}

void TestMakeCommand::wordList()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(maker::wordList(text), words);
}

void TestMakeCommand::questionFileLoadsBack_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QStringList>("loaded"); // empty: as drafted

    QTest::newRow("one word") << u"apple"_s << u"アップル"_s << u"0"_s << u"りんご"_s << ' ' << QStringList{};
    QTest::newRow("two meanings") << u"run"_s << u"ラン"_s << u"0"_s << u"走る、駆ける"_s << ' ' << QStringList{};
    QTest::newRow("phrase") << u"ice cream"_s << u"アイスクリーム"_s << u"0"_s << u"アイスクリーム"_s << '\t'
                            << QStringList{};
    QTest::newRow("reading with a space")
        << u"give up"_s << u"ギブ アップ"_s << u"+12"_s << u"諦める"_s << '\t' << QStringList{};
    QTest::newRow("no meaning") << u"xyzzy"_s << u"ジジー"_s << u"0"_s << QString() << ' ' << QStringList{};
    QTest::newRow("nothing but the word") << u"xyzzy"_s << QString() << QString() << QString() << ' ' << QStringList{};
    QTest::newRow("tab and line break inside fields")
        << u"ice\tcream"_s << u"アイス\nクリーム"_s << u"0"_s << u"氷菓\r"_s << '\t'
        << QStringList{u"ice cream"_s, u"アイス クリーム"_s, u"0"_s, u"氷菓"_s};
}

void TestMakeCommand::questionFileLoadsBack()
{
    QFETCH(QString, english);
    QFETCH(QString, reading);
    QFETCH(QString, accent);
    QFETCH(QString, meaning);
    QFETCH(char, separator);
    QFETCH(QStringList, loaded);
    if (loaded.isEmpty())
        loaded = QStringList{english, reading, accent, meaning};

    // Each card between two plain ones, so a card cut wrong shifts its neighbours too.
    const Draft plain{u"cat"_s, u"キャット"_s, u"+12"_s, u"猫"_s, {}};
    const QByteArray text = questionFileText({plain, Draft{english, reading, accent, meaning, {}}, plain});
    QVERIFY(text.endsWith('\n'));
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[1].count(separator), 3);

    const QList<Card> cards = loadBack(text);
    QCOMPARE(cards.size(), 3);
    QCOMPARE(QStringList(cards[1].begin(), cards[1].end()), loaded);
    QCOMPARE(QStringList(cards[2].begin(), cards[2].end()),
             (QStringList{plain.english, plain.reading, plain.accent, plain.meaning}));
}

void TestMakeCommand::flagsHaveTheirOwnWords()
{
    const QList<Flag> flags{Flag::NotInDictionaries, Flag::ReadFromRules,    Flag::SeveralPronunciations,
                            Flag::StressApproximate, Flag::StressOutOfReach, Flag::NoMeaning,
                            Flag::SpellingDiffers};
    QSet<QString> texts;
    for (const Flag flag : flags) {
        const QString text = flagText(flag);
        QVERIFY2(!text.isEmpty() && text.front().unicode() > 0x3000, qPrintable(text));
        texts.insert(text);
    }
    QCOMPARE(texts.size(), flags.size());
    QCOMPARE(flagText(Flag::NoMeaning), u"意味が見つからない"_s);
}

void TestMakeCommand::dictionaryFailures_data()
{
    QTest::addColumn<QString>("broken"); // cmu, edict, or edict-empty
    QTest::addColumn<QString>("mentions");

    QTest::newRow("no pronouncing dictionary") << u"cmu"_s << u"festlex-cmu"_s;
    QTest::newRow("no EDICT") << u"edict"_s << u"パッケージ edict"_s;
    QTest::newRow("EDICT without entries") << u"edict-empty"_s << u"見出しがありません"_s;
}

void TestMakeCommand::dictionaryFailures()
{
    QFETCH(QString, broken);
    QFETCH(QString, mentions);
    Dictionaries dictionaries;
    DictionaryPaths paths = dictionaries.paths;
    if (broken == u"cmu")
        paths.cmu = dictionaries.dir.filePath(u"missing"_s);
    else if (broken == u"edict")
        paths.edict = dictionaries.dir.filePath(u"missing"_s);
    else
        QVERIFY(writeFile(paths.edict, "not a dictionary\n"));

    QList<int> progress;
    QString error;
    const std::unique_ptr<Drafter> drafter = Drafter::load(
        paths, [&](int p) { progress.append(p); }, &error);
    QVERIFY(!drafter);
    QVERIFY2(error.contains(mentions), qPrintable(error));
    QVERIFY(!progress.contains(100));
}

void TestMakeCommand::kanjidicIsOptional_data()
{
    QTest::addColumn<QString>("kanjidic"); // what the path holds
    QTest::addColumn<QString>("answer");   // the meaning drafted for "answer"

    QTest::newRow("no path") << u"none"_s << u"応ずる"_s;
    QTest::newRow("missing file") << u"missing"_s << u"応ずる"_s;
    QTest::newRow("a folder") << u"folder"_s << u"応ずる"_s;
    QTest::newRow("not kanjidic") << u"garbage"_s << u"応ずる"_s;
    QTest::newRow("grades rank the meanings") << u"kanjidic"_s << u"答え"_s;
}

void TestMakeCommand::kanjidicIsOptional()
{
    QFETCH(QString, kanjidic);
    QFETCH(QString, answer);
    Dictionaries dictionaries;
    DictionaryPaths paths = dictionaries.paths;
    if (kanjidic != u"none")
        paths.kanjidic = dictionaries.dir.filePath(u"kanjidic"_s);
    if (kanjidic == u"folder")
        QVERIFY(QDir(dictionaries.dir.path()).mkdir(u"kanjidic"_s));
    else if (kanjidic == u"garbage")
        QVERIFY(writeFile(paths.kanjidic, "\x01\xff not a kanji list\n"));
    else if (kanjidic == u"kanjidic")
        QVERIFY(writeFile(paths.kanjidic, QStringEncoder("EUC-JP").encode(u"答 457A G2 F310\n応 317E G8 F183\n"_s)));

    QString error;
    const std::unique_ptr<Drafter> drafter = Drafter::load(paths, {}, &error);
    QVERIFY2(drafter, qPrintable(error));
    QCOMPARE(drafter->draft(u"answer"_s).meaning.section(u"、"_s, 0, 0), answer);
    QCOMPARE(drafter->draft(u"apple"_s).meaning, u"りんご"_s);
}

void TestMakeCommand::wordnetIsOptional()
{
    Dictionaries dictionaries;
    DictionaryPaths paths = dictionaries.paths;
    paths.wordnet = dictionaries.dir.filePath(u"wordnet"_s);
    QString error;
    std::unique_ptr<Drafter> drafter = Drafter::load(paths, {}, &error);
    QVERIFY2(drafter, qPrintable(error));
    QCOMPARE(drafter->draft(u"answer"_s).meaning.section(u"、"_s, 0, 0), u"応ずる"_s); // missing: ranked as before

    QVERIFY(QDir().mkpath(paths.wordnet));
    QVERIFY(writeFile(paths.wordnet + u"/cntlist.rev"_s, "answer%1:10:00:: 1 50\nanswer%2:32:00:: 1 5\n"));
    drafter = Drafter::load(paths, {}, &error);
    QVERIFY2(drafter, qPrintable(error));
    QCOMPARE(drafter->draft(u"answer"_s).meaning.section(u"、"_s, 0, 0), u"答え"_s); // answer mostly a noun
}

void TestMakeCommand::draftsOnSmallDictionaries()
{
    Dictionaries dictionaries;
    QList<int> progress;
    QString error;
    const std::unique_ptr<Drafter> drafter = Drafter::load(
        dictionaries.paths, [&](int p) { progress.append(p); }, &error);
    QVERIFY2(drafter, qPrintable(error));
    QCOMPARE(progress.constFirst(), 0);
    QCOMPARE(progress.constLast(), 100);
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));

    const Draft apple = drafter->draft(u" apple "_s);
    QCOMPARE(apple.english, u"apple"_s);
    QCOMPARE(apple.reading, u"アップル"_s);
    QCOMPARE(apple.meaning, u"りんご"_s);
    QVERIFY(!apple.accent.isEmpty());
    QVERIFY(!apple.flags.contains(Flag::NoMeaning));
    // The common spelling writes large what the rarer one, like the rules, writes small.
    QCOMPARE(drafter->draft(u"wet"_s).reading, u"ウェット"_s);

    const Draft unknown = drafter->draft(u"xyzzy"_s);
    QVERIFY(unknown.meaning.isEmpty());
    QVERIFY(unknown.flags.contains(Flag::NoMeaning));
}

void TestMakeCommand::commandLine()
{
    Dictionaries dictionaries;
    const QString words = dictionaries.dir.filePath(u"words.txt"_s);
    QVERIFY(writeFile(words, "apple\r\nrun\n\nice cream\nxyzzy\napple\n"));
    const Run run = runCommand(
        {u"--make"_s, words, u"--edict"_s, dictionaries.paths.edict, u"--cmu"_s, dictionaries.paths.cmu},
        DictionaryPaths{u"/nonexistent/cmu"_s, u"/nonexistent/edict"_s});
    QVERIFY2(run.status == 0, qPrintable(run.err));

    const QList<Card> cards = loadBack(run.out);
    QCOMPARE(cards.size(), 4);
    QCOMPARE(cards[0][EnglishField], u"apple"_s);
    QCOMPARE(cards[0][MeaningField], u"りんご"_s);
    QCOMPARE(cards[1][MeaningField], u"走る"_s);
    QCOMPARE(cards[2][EnglishField], u"ice cream"_s);
    QCOMPARE(cards[2][MeaningField], u"アイスクリーム"_s);
    QCOMPARE(cards[3][EnglishField], u"xyzzy"_s);

    // Every line on standard error names a card by its line in the output.
    static const QRegularExpression checkLine(u"^(\\d+): ([^:]+): (.+)$"_s);
    bool flaggedUnknown = false;
    for (const QString &line : run.err.split(u'\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = checkLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        const int number = match.captured(1).toInt();
        QVERIFY(number >= 1 && number <= cards.size());
        QCOMPARE(match.captured(2), cards[number - 1][EnglishField]);
        if (number == 4)
            flaggedUnknown = match.captured(3).contains(flagText(Flag::NoMeaning));
    }
    QVERIFY2(flaggedUnknown, qPrintable(run.err));
}

void TestMakeCommand::commandLineFailures_data()
{
    QTest::addColumn<QStringList>("arguments"); // WORDS stands for a word file that exists
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("mentions");

    QTest::newRow("no word file named") << QStringList{u"--make"_s} << 2 << u"使い方"_s;
    QTest::newRow("unknown option") << QStringList{u"--make"_s, u"WORDS"_s, u"--fast"_s} << 2 << u"使い方"_s;
    QTest::newRow("word file missing") << QStringList{u"--make"_s, u"/nonexistent/words.txt"_s} << 1
                                       << u"単語ファイル /nonexistent/words.txt が見つかりません"_s;
    QTest::newRow("word file empty") << QStringList{u"--make"_s, u"EMPTY"_s} << 1 << u"単語がありません"_s;
    QTest::newRow("EDICT missing") << QStringList{u"--make"_s, u"WORDS"_s, u"--edict"_s, u"/nonexistent/edict"_s,
                                                  u"--cmu"_s,  u"CMU"_s}
                                   << 1 << u"sudo apt install edict"_s;
    QTest::newRow("default pronouncing dictionary missing")
        << QStringList{u"--make"_s, u"WORDS"_s} << 1 << u"festlex-cmu"_s;
}

void TestMakeCommand::commandLineFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, mentions);
    Dictionaries dictionaries;
    const QString words = dictionaries.dir.filePath(u"words.txt"_s);
    const QString empty = dictionaries.dir.filePath(u"empty.txt"_s);
    QVERIFY(writeFile(words, "apple\n") && writeFile(empty, "\n \n"));
    arguments.replaceInStrings(u"WORDS"_s, words);
    arguments.replaceInStrings(u"EMPTY"_s, empty);
    arguments.replaceInStrings(u"CMU"_s, dictionaries.paths.cmu);

    const Run run = runCommand(arguments, DictionaryPaths{u"/nonexistent/cmu"_s, dictionaries.paths.edict});
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(mentions), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestMakeCommand)
#include "tst_makecommand.moc"
