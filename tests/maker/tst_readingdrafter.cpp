// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The CMU dictionary reader on a small file of its format, and whole
// readings drafted from it (espeak-ng off, so that nothing installed counts).
#include "maker/CmuDictionary.h"
#include "maker/PartSpellings.h"
#include "maker/ReadingDrafter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<Flag>)

namespace {

const QByteArray dictionaryText = "MNCL\n"
                                  "(\"up\" nil (((ah p) 1)))\n"
                                  "(\"Cat\" nil (((k ae t) 1)))\n"
                                  "(\"aardvark\" nil (((aa r d) 1) ((v aa r k) 1)))\n"
                                  "(\"give\" nil (((g ih v) 1)))\n"
                                  "(\"record\" n (((r eh) 1) ((k er d) 0)))\n"
                                  "(\"record\" v (((r ax) 0) ((k ao r d) 1)))\n"
                                  "not an entry\n"
                                  "(\"straw\" nil (((s t r ao) 1)))\n"
                                  "(\"berry\" nil (((b eh) 1) ((r iy) 0)))\n"
                                  "(\"computer\" nil (((k ax m) 0) ((p y uw) 1) ((t er) 0)))\n"
                                  "(\"necessary\" nil (((n eh) 1) ((s ax) 0) ((s eh) 1) ((r iy) 0)))\n"
                                  "(\"house\" nil (((hh aw s) 1)))\n"
                                  "(\"radio\" nil (((r ey) 1) ((d iy) 0) ((ow) 0)))\n"
                                  "(\"carry\" nil (((k ae) 1) ((r iy) 0)))\n"
                                  "(\"hold\" nil (((hh ow l d) 1)))\n"
                                  "(\"household\" nil (((hh aw s) 1) ((hh ow l d) 1)))\n"
                                  "(\"holdhouse\" nil (((hh ow l) 1) ((d ax s) 0)))\n"
                                  "(\"broken\" nil (((b r ow\n";

CmuDictionary smallDictionary()
{
    CmuDictionary dictionary;
    dictionary.setText(dictionaryText);
    return dictionary;
}

} // namespace

class TestReadingDrafter : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFile();
    void looksUpAnyCase();
    void keepsEveryReadingInOrder();
    void refusesAMissingFile();
    void drafts_data();
    void drafts();
    void picksTheUsualPronunciation();
    void spellsAsItsParts_data();
    void spellsAsItsParts();
};

void TestReadingDrafter::readsTheFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"cmudict.out"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(dictionaryText);
    file.close();

    CmuDictionary dictionary;
    QString error;
    QVERIFY2(dictionary.load(path, &error), qPrintable(error));
    QCOMPARE(dictionary.size(), 17); // entry lines, the broken last one among them
    const QList<CmuEntry> computer = dictionary.lookup(u"computer");
    QCOMPARE(computer.size(), 1);
    const Pronunciation &p = computer.front().pronunciation;
    QStringList symbols;
    for (const Phone &phone : p.phones)
        symbols.append(QString::fromLatin1(phone.symbol)
                       + (phone.isVowel() ? QString::number(phone.stress) : QString()));
    QCOMPARE(symbols.join(u' '), u"k ax0 m p y uw1 t er0"_s);
    QCOMPARE(p.primary, 5);
    QVERIFY(dictionary.lookup(u"broken").isEmpty());
}

void TestReadingDrafter::looksUpAnyCase()
{
    const CmuDictionary dictionary = smallDictionary();
    QVERIFY(dictionary.contains(u"cat"));
    QVERIFY(dictionary.contains(u"CAT"));
    QVERIFY(dictionary.contains(u"Up"));
    QVERIFY(!dictionary.contains(u"ca"));
    QVERIFY(!dictionary.contains(u"cats"));
    QVERIFY(!dictionary.contains(u"café"));
    QVERIFY(!dictionary.contains(u""));
    // Several stressed syllables, none marked the main one.
    QCOMPARE(dictionary.lookup(u"aardvark").front().pronunciation.primary, -1);
}

void TestReadingDrafter::keepsEveryReadingInOrder()
{
    const QList<CmuEntry> record = smallDictionary().lookup(u"record");
    QCOMPARE(record.size(), 2);
    QCOMPARE(record[0].partOfSpeech, "n");
    QCOMPARE(record[1].partOfSpeech, "v");
    QCOMPARE(record[0].pronunciation.phones.front().symbol, "r");
    QCOMPARE(record[1].pronunciation.phones[1].symbol, "ax");
}

void TestReadingDrafter::refusesAMissingFile()
{
    QTemporaryDir dir;
    QString error;
    CmuDictionary dictionary;
    QVERIFY(!dictionary.load(dir.filePath(u"none"_s), &error));
    QVERIFY2(error.contains(u"festlex-cmu"), qPrintable(error));
    QCOMPARE(dictionary.size(), 0);
    QVERIFY(!ReadingDrafter::load(dir.filePath(u"none"_s), &error));
}

void TestReadingDrafter::drafts_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("katakana");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QList<Flag>>("flags");

    QTest::newRow("one word") << u"cat"_s << QStringList() << u"キャット"_s << u"+12"_s << QList<Flag>();
    QTest::newRow("typed with capitals and spaces")
        << u"  Computer "_s << QStringList() << u"コンピューター"_s << u"23"_s << QList<Flag>();
    QTest::newRow("dictionary spelling differs") << u"computer"_s << QStringList{u"コンピュータ"_s} << u"コンピュータ"_s
                                                 << u"23"_s << QList<Flag>{Flag::SpellingDiffers};
    QTest::newRow("dictionary spelling the same")
        << u"computer"_s << QStringList{u"コンピューター"_s} << u"コンピューター"_s << u"23"_s << QList<Flag>();
    QTest::newRow("an older loan's kana, ジ for ディ")
        << u"radio"_s << QStringList{u"ラジオ"_s} << u"ラジオ"_s << u"0"_s << QList<Flag>{Flag::SpellingDiffers};
    QTest::newRow("the a of cat as the dictionary writes it")
        << u"carry"_s << QStringList{u"キャリー"_s} << u"キャリー"_s << u"+12"_s << QList<Flag>{Flag::SpellingDiffers};
    QTest::newRow("another word refused, the learner told")
        << u"necessary"_s << QStringList{u"マスト"_s} << u"ネセサリー"_s << u"0"_s
        << QList<Flag>{Flag::StressApproximate, Flag::SpellingDiffers};
    QTest::newRow("phrase, word by word")
        << u"give up"_s << QStringList() << u"ギブアップ"_s << u"0"_s << QList<Flag>{Flag::StressApproximate};
    QTest::newRow("phrase, mark on the content word")
        << u"up up up cat"_s << QStringList() << u"アップアップアップキャット"_s << u"910"_s
        << QList<Flag>{Flag::StressApproximate};
    QTest::newRow("phrase, mark out of reach")
        << u"up up up up cat"_s << QStringList() << u"アップアップアップアップキャット"_s << u"0"_s
        << QList<Flag>{Flag::StressApproximate, Flag::StressOutOfReach};
    QTest::newRow("compound of two entries")
        << u"strawberry"_s << QStringList() << u"ストローベリー"_s << u"2"_s << QList<Flag>{Flag::StressApproximate};
    QTest::newRow("compound said as its parts: part by part")
        << u"household"_s << QStringList() << u"ハウスホールド"_s << u"0"_s << QList<Flag>{Flag::StressApproximate};
    QTest::newRow("parts said otherwise: one word")
        << u"holdhouse"_s << QStringList() << u"ホールダス"_s << u"0"_s << QList<Flag>();
    QTest::newRow("several readings") << u"record"_s << QStringList() << u"レコード"_s << u"0"_s
                                      << QList<Flag>{Flag::SeveralPronunciations};
    QTest::newRow("main stress unknown") << u"aardvark"_s << QStringList() << u"アードバーク"_s << u"0"_s
                                         << QList<Flag>{Flag::StressApproximate};
    QTest::newRow("in no dictionary") << u"xyzzy"_s << QStringList() << QString() << u"0"_s
                                      << QList<Flag>{Flag::NotInDictionaries};
}

void TestReadingDrafter::drafts()
{
    QFETCH(QString, word);
    QFETCH(QStringList, katakana);
    QFETCH(QString, reading);
    QFETCH(QString, accent);
    QFETCH(QList<Flag>, flags);
    const ReadingDrafter drafter(smallDictionary(), ReadingDrafter::Options{false});
    const ReadingDraft draft = drafter.draftReading(word, katakana);
    QCOMPARE(draft.reading, reading);
    QCOMPARE(draft.accent, accent);
    QCOMPARE(draft.flags, flags);
}

void TestReadingDrafter::picksTheUsualPronunciation()
{
    const ReadingDrafter drafter(smallDictionary(), ReadingDrafter::Options{false});
    // record the noun is listed first; as a verb the stress moves to its second syllable.
    const ReadingDraft noun = drafter.draftReading(u"record"_s);
    const ReadingDraft verb = drafter.draftReading(u"record"_s, {}, "v");
    QCOMPARE(drafter.draftReading(u"record"_s, {}, "n").reading, noun.reading);
    QCOMPARE(noun.stressStart, 0);
    QVERIFY2(verb.reading != noun.reading && verb.stressStart > 0, qPrintable(verb.reading));
    QVERIFY(verb.flags.contains(Flag::SeveralPronunciations));
    // A part the dictionary does not list, or a word said one way, reads as before.
    QCOMPARE(drafter.draftReading(u"record"_s, {}, "j").reading, noun.reading);
    QCOMPARE(drafter.draftReading(u"cat"_s, {}, "v").reading, u"キャット"_s);
}

void TestReadingDrafter::spellsAsItsParts_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("spellings");

    // Made-up spellings for the small dictionary's words, each close enough
    // to the rules' reading to render the same word but computer's.
    QTest::newRow("plural keeps its stem's spelling") << u"radios"_s << QStringList{u"ラジオズ"_s};
    QTest::newRow("the stem's spelling drops its last kana") << u"holds"_s << QStringList{u"ホルズ"_s};
    QTest::newRow("compound of two spelt words") << u"strawberry"_s << QStringList{u"ストローベリ"_s};
    QTest::newRow("compound said otherwise") << u"holdhouse"_s << QStringList();
    QTest::newRow("an ending is no word of a compound") << u"catism"_s << QStringList();
    QTest::newRow("part spelt as another word") << u"computers"_s << QStringList();
    QTest::newRow("not a plain word") << u"radio's"_s << QStringList();
}

void TestReadingDrafter::spellsAsItsParts()
{
    QFETCH(QString, word);
    QFETCH(QStringList, spellings);
    CmuDictionary dictionary;
    dictionary.setText(dictionaryText
                       + "(\"radios\" nil (((r ey) 1) ((d iy) 0) ((ow z) 0)))\n"
                         "(\"holds\" nil (((hh ow l d z) 1)))\n"
                         "(\"computers\" nil (((k ax m) 0) ((p y uw) 1) ((t er z) 0)))\n"
                         "(\"ism\" nil (((ih) 1) ((z ax m) 0)))\n"
                         "(\"catism\" nil (((k ae) 1) ((t ih) 0) ((z ax m) 0)))\n");
    const ReadingDrafter drafter(std::move(dictionary), ReadingDrafter::Options{false});
    const QHash<QString, QStringList> dictionarySpellings = {
        {u"radio"_s, {u"ラジオ"_s}}, {u"hold"_s, {u"ホル"_s}},       {u"straw"_s, {u"ストロー"_s}},
        {u"berry"_s, {u"ベリ"_s}},   {u"computer"_s, {u"マスト"_s}}, {u"cat"_s, {u"キャット"_s}},
        {u"ism"_s, {u"イズム"_s}},
    };
    const PartSpellings parts(drafter, [&](const QString &part) { return dictionarySpellings.value(part); });
    QCOMPARE(parts.spellings(word, drafter.rulesReading(word, nullptr).kana), spellings);
}

QTEST_GUILESS_MAIN(TestReadingDrafter)
#include "tst_readingdrafter.moc"
