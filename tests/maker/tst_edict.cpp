// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// EDICT lines with their markers, the gloss keys the reverse index files, and
// look-ups through the index on EUC-JP bytes.
#include "maker/Edict.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace lexiwren::maker;

namespace {

// An entry written back compactly: "head[reading]{headTags}P; pos|tags|source: gloss/gloss; …".
QString describe(const EdictEntry &entry)
{
    QString text = entry.headword;
    if (!entry.reading.isEmpty())
        text += u'[' + entry.reading + u']';
    if (!entry.headTags.isEmpty())
        text += u'{' + entry.headTags.join(u',') + u'}';
    if (entry.common)
        text += u"P"_s;
    for (const EdictSense &sense : entry.senses)
        text += u"; "_s + sense.partsOfSpeech.join(u',') + u'|' + sense.tags.join(u',') + u'|' + sense.source + u": "_s
                + sense.glosses.join(u'/');
    return text;
}

QByteArray eucJp(const QString &text)
{
    QStringEncoder encoder("EUC-JP");
    return encoder.encode(text);
}

} // namespace

class TestEdict : public QObject
{
    Q_OBJECT

private slots:
    void parsesLine_data();
    void parsesLine();
    void glossKeys_data();
    void glossKeys();
    void findsEntriesThroughTheIndex();
    void katakanaOnly_data();
    void katakanaOnly();
};

void TestEdict::parsesLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected"); // empty: not an entry

    QTest::newRow("one sense, common") << u"意味 [いみ] /(n,vs) meaning/significance/sense/(P)/"_s
                                       << u"意味[いみ]P; n,vs||: meaning/significance/sense"_s;
    QTest::newRow("numbered senses, usually kana")
        << u"林檎 [りんご] /(n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree (Malus pumila)/(P)/"_s
        << u"林檎[りんご]P; n|uk|: apple (fruit); n|uk|: apple tree (Malus pumila)"_s;
    QTest::newRow("outdated reading before the part of speech")
        << u"林檎 [りんき] /(ok) (n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree/"_s
        << u"林檎[りんき]{ok}; n|uk|: apple (fruit); n|uk|: apple tree"_s;
    QTest::newRow("katakana without a reading") << u"アップル /(n) (1) apple/(n) (2) (comp) Apple (computer company)/"_s
                                                << u"アップル; n||: apple; n|comp|: Apple (computer company)"_s;
    QTest::newRow("source language closes the gloss")
        << u"アーベント /(n) evening (ger: Abend)/"_s << u"アーベント; n||ger: Abend: evening"_s;
    QTest::newRow("made in Japan")
        << u"＋α [プラスアルファ] /(n) a little more than usual (wasei: plus alpha)/bribe money/"_s
        << u"＋α[プラスアルファ]; n||wasei: plus alpha: a little more than usual/bribe money"_s;
    QTest::newRow("dialect is a tag, not a source")
        << u"いけず /(adj-na) (ksb:) unkind/mean/"_s << u"いけず; adj-na|ksb:|: unkind/mean"_s;
    QTest::newRow("remark opening a gloss stays")
        << u"航路 [こうろ] /(n) (air or sea) route/course/(P)/"_s << u"航路[こうろ]P; n||: (air or sea) route/course"_s;
    QTest::newRow("several tags and a verb class")
        << u"遣る [やる] /(v5r,vt) (1) (uk) (col) to do/to undertake/(v5r,vi) (2) (uk) to live/(P)/"_s
        << u"遣る[やる]P; v5r,vt|uk,col|: to do/to undertake; v5r,vi|uk|: to live"_s;
    QTest::newRow("sense without its own part of speech keeps the last one")
        << u"試し [ためし] /(n) (1) trial/test/(2) (arch) example/"_s
        << u"試し[ためし]; n||: trial/test; n|arch|: example"_s;
    QTest::newRow("sequence number ignored") << u"犬 [いぬ] /(n) dog/(P)/EntL1234567X/"_s << u"犬[いぬ]P; n||: dog"_s;
    QTest::newRow("first line of the file")
        << u"　？？？ /EDICT, EDICT_SUB(P), EDICT2 Japanese-English/Created: 2021/"_s << QString();
    QTest::newRow("no glosses") << u"犬 [いぬ]"_s << QString();
    QTest::newRow("unclosed reading") << u"犬 [いぬ /(n) dog/"_s << QString();
    QTest::newRow("blank") << u"   "_s << QString();
}

void TestEdict::parsesLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    const std::optional<EdictEntry> entry = parseEdictLine(line);
    if (expected.isEmpty()) {
        QVERIFY2(!entry, qPrintable(entry ? describe(*entry) : QString()));
        return;
    }
    QVERIFY(entry);
    QCOMPARE(describe(*entry), expected);
}

void TestEdict::glossKeys_data()
{
    QTest::addColumn<QString>("gloss");
    QTest::addColumn<QString>("key");

    QTest::newRow("plain") << u"apple"_s << u"apple"_s;
    QTest::newRow("remark dropped") << u"apple (fruit)"_s << u"apple"_s;
    QTest::newRow("verb") << u"to run (a business)"_s << u"run"_s;
    QTest::newRow("nested remark") << u"dog (Canis (lupus) familiaris)"_s << u"dog"_s;
    QTest::newRow("markers in front") << u"(n) (1) (uk) apple"_s << u"apple"_s;
    QTest::newRow("article") << u"the Dog (eleventh sign)"_s << u"dog"_s;
    QTest::newRow("case and spaces") << u"  Ice   Cream "_s << u"ice cream"_s;
    QTest::newRow("punctuation") << u"to give up!"_s << u"give up"_s;
    QTest::newRow("only one leading word dropped") << u"to the end"_s << u"the end"_s;
    QTest::newRow("a word that starts like an article") << u"anthem"_s << u"anthem"_s;
    QTest::newRow("to alone stays") << u"to"_s << u"to"_s;
}

void TestEdict::glossKeys()
{
    QFETCH(QString, gloss);
    QFETCH(QString, key);
    QCOMPARE(QString::fromStdString(glossKey(gloss)), key);
    // The index files keys from the file's bytes; ASCII glosses key alike.
    QCOMPARE(QString::fromStdString(glossKey(std::string_view(gloss.toStdString()))), key);
}

void TestEdict::findsEntriesThroughTheIndex()
{
    const QString text = u"　？？？ /EDICT header/\n"
                         "林檎 [りんご] /(n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree/(P)/\n"
                         "走る [はしる] /(v5r,vi) (1) to run/(v5r,vi) (2) to flee/(P)/\n"
                         "ラン /(n) (1) run/(n) (2) rump/\n"
                         "アイスクリーム /(n) ice cream/(P)/\n"
                         "冷菓 [れいか] /(n) frozen dessert (ice cream, sherbet, etc.)/ice cream cake/\n"
                         "林檎酒 [りんごしゅ] /(n) cider/"_s;
    const Edict edict(eucJp(text));
    QCOMPARE(edict.entryCount(), 6);

    const auto headwords = [](const QList<EdictEntry> &entries) {
        QStringList words;
        for (const EdictEntry &entry : entries)
            words.append(entry.headword);
        return words;
    };
    QCOMPARE(headwords(edict.entriesGlossedAs("apple")), QStringList{u"林檎"_s});
    QCOMPARE(headwords(edict.entriesGlossedAs("run")), (QStringList{u"走る"_s, u"ラン"_s}));
    QCOMPARE(headwords(edict.entriesGlossedAs("ice cream")), QStringList{u"アイスクリーム"_s});
    QVERIFY(edict.entriesGlossedAs("cream").isEmpty());
    QCOMPARE(headwords(edict.entriesMentioning("cream")), (QStringList{u"アイスクリーム"_s, u"冷菓"_s}));
    QVERIFY(edict.hasGloss("flee"));
    QVERIFY(!edict.hasGloss("walk"));
    QCOMPARE(edict.headwordsStartingWith(u"林檎"_s), 2);
    QCOMPARE(edict.headwordsStartingWith(u"走る"_s), 1);
    QCOMPARE(edict.headwordsStartingWith(u"犬"_s), 0);
}

void TestEdict::katakanaOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("katakana");
    QTest::newRow("loanword") << u"アイスクリーム"_s << true;
    QTest::newRow("middle dot") << u"アイス・クリーム"_s << true;
    QTest::newRow("hiragana") << u"りんご"_s << false;
    QTest::newRow("mixed") << u"ケチ臭い"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void TestEdict::katakanaOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, katakana);
    QCOMPARE(isKatakanaOnly(text), katakana);
}

QTEST_GUILESS_MAIN(TestEdict)
#include "tst_edict.moc"
