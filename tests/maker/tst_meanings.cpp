// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Meanings ranked on a small EDICT written here in EUC-JP, the base forms of
// inflected words, and the loanword spellings handed to the reading drafter.
#include "maker/Meanings.h"

#include <QSet>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace lexiwren::maker;

namespace {

const QString SmallEdict = uR"(　？？？ /EDICT, EDICT_SUB(P), EDICT2 Japanese-English Electronic Dictionary Files/
林檎 [りんご] /(n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree/(P)/
林檎 [りんき] /(ok) (n) (1) (uk) apple (fruit)/(n) (2) (uk) apple tree/
アップル /(n) (1) apple/(n) (2) (comp) Apple (computer company)/
古語林檎 [こごりんご] /(n) (arch) apple/
意味 [いみ] /(n,vs) meaning/significance/sense/(P)/
卑劣 [ひれつ] /(adj-na,n) mean/contemptible/despicable/(P)/
セコイ /(adj-i) (1) petty/stingy/mean/
走る [はしる] /(v5r,vi) (1) to run/(v5r,vi) (2) to flee/(P)/
ラン /(n) (1) run/(n) (2) rump/(P)/
美しい [うつくしい] /(adj-i) beautiful/pretty/(P)/
ビューティフル /(adj-na) beautiful/(P)/
戦う [たたかう] /(v5u,vi) (1) to fight/to battle/(P)/
喧嘩 [けんか] /(n,vs) quarrel/fight/(P)/
泣く [なく] /(v5k,vi) to cry/to weep/(P)/
叫び [さけび] /(n) shout/cry/(P)/
行く [いく] /(v5k-s,vi) (1) to go/(P)/
子供 [こども] /(n) child/(P)/
勉強 [べんきょう] /(n,vs) (1) study/(n,vs) (2) diligence/(P)/
大きい [おおきい] /(adj-i) (1) big/large/(P)/
大 [だい] /(pref) big/large/
アルバイト /(n) part-time job (ger: Arbeit)/(P)/
争う [あらそう] /(v5u,vi) (1) to dispute/to argue/to compete (with)/(P)/
競争 [きょうそう] /(n,vs) (1) compete/rivalry/(P)/
説明 [せつめい] /(n,vs) explanation/exposition/(P)/
説く [とく] /(v5k) to explain/to preach/
バター /(n) (food) butter/(P)/
牛酪 [ぎゅうらく] /(n) dairy fat/butter/(P)/
決して [けっして] /(adv) (not) ever/(not) by any means/(P)/
何時か [いつか] /(adv) (uk) sometime/ever/
驚く [おどろく] /(v5k,vi) to be surprised/to be astonished/(P)/
驚かす [おどろかす] /(v5s,vt) to surprise/to frighten/(P)/
パン /(n) (1) bread (por:)/(n) (2) pan (eng: pan)/frying pan/(P)/
食パン [しょくパン] /(n) (loaf of) bread/(P)/
バイト /(n) (abbr) part-time job (ger: Arbeit)/(P)/
プラスアルファ /(n) plus alpha (wasei: plus alpha)/
コンピューター /(n) computer/(P)/
コンピュータ /(n) computer/(P)/
電子計算機 [でんしけいさんき] /(n) computer/
眼鏡 [めがね] /(n) (1) (uk) glasses/spectacles/(P)/
グラス /(n) (1) glass (drinking vessel)/(n) (2) glass (material)/(P)/
諦める [あきらめる] /(v1,vt) to give up/to abandon/(P)/
ギブアップ /(n,vs) giving up/(P)/
応ずる [おうずる] /(vs-c,vi) (1) to answer/to respond/(vs-c) (2) to comply with/(P)/
答え [こたえ] /(n) (1) answer/reply/(n) (2) solution/(P)/
寒冷 [かんれい] /(n,adj-na,adj-no) cold/coldness/(P)/
寒い [さむい] /(adj-i) cold (e.g. weather)/(P)/
巨 [きょ] /(pref,n) huge/giant/(P)/
巨体 [きょたい] /(n) huge body/
巨人 [きょじん] /(n) giant/
巨大 [きょだい] /(adj-na,n) huge/enormous/(P)/
徐々に [じょじょに] /(adv) gradually/slowly/(P)/
ゆっくり /(adv,adv-to,vs) slowly/leisurely/(P)/
歩く [あるく] /(v5k,vi) to walk/(P)/
駅 [えき] /(n) railway station/(P)/
珈琲 [コーヒー] /(n) (uk) coffee/(P)/
世界 [せかい] /(n) (1) the world/(n) (2) society/(P)/
世 [よ] /(n) world/society/(P)/
戌 [いぬ] /(n) the Dog/(P)/
申 [さる] /(n) (1) the Monkey (ninth sign of the Chinese zodiac)/(n) (2) (obs) hour of the Monkey/
猿 [さる] /(n) (1) (uk) monkey (esp. the Japanese macaque)/ape/(n) (2) (derog) sly person/
唇 [くちびる] /(n) lips/(P)/
下唇 [したくちびる] /(n) lower lip/
犬 [いぬ] /(n) dog/(P)/
署 [しょ] /(suf) station (police, fire)/
母 [はは] /(n) (hum) mother/(P)/
母親 [ははおや] /(n) female parent/mother/(P)/
歩む [あゆむ] /(v5m,vi) (1) to go on foot/to walk/(v5m,vi) (2) to tread/(v5m,vi) (3) to follow/(v5m,vi) (4) to advance/(P)/
家 [いえ] /(n) house/(P)/
宿す [やどす] /(v5s,vt) to house/(P)/
)"_s;

// Grades made up for the test: 答 taught in the second year, 応 among the
// later everyday kanji, 寒 in the third year; 冷 in none of the lists.
const QString SmallKanjidic = uR"(# KANJIDIC JIS X 0208 Kanji Information File/
答 457A U7b54 B118 G2 S12 F310 J2 {answer} {reply}
応 317E U5fdc B61 G8 S7 F183 {apply} {answer}
寒 3432 U5bd2 B40 G3 S12 F1014 {cold}
名 4C3E U540d B30 G1 S6 F177 {name}
冷 4E64 U51b7 B15 S7 {cool} {cold}
乃 4735 U4e43 B4 G9 S2 {from}
)"_s;

// Two more for ranking: 申 (the Monkey of the zodiac) taught early, 猿 (the animal) late.
const QString ZodiacKanjidic = uR"(申 3F3D U7533 B102 G3 S5 {speaking}
猿 315D U733f B94 G8 S13 {monkey}
)"_s;

// Tag counts made up for the test, in the shape of WordNet's cntlist.rev:
// house and cry mostly nouns, surprised an adjective.
const QByteArray SmallCntlist = "house%1:06:00:: 1 40\n"
                                "house%2:41:00:: 1 3\n"
                                "cry%1:10:00:: 1 40\n"
                                "cry%2:32:00:: 1 1\n"
                                "Cold%5:00:00:chilly:00 2 5\n"
                                "give_up%2:41:00:: 1 9\n"
                                "seldom%4:02:00:: 1 2\n"
                                "surprised%3:00:00:: 1 6\n"
                                "not a sense line\n";

Edict smallEdict()
{
    QStringEncoder encoder("EUC-JP");
    return Edict(encoder.encode(SmallEdict));
}

} // namespace

class TestMeanings : public QObject
{
    Q_OBJECT

private slots:
    void ranksMeanings_data();
    void ranksMeanings();
    void ranksMeaningsWithKanjiGrades_data();
    void ranksMeaningsWithKanjiGrades();
    void ranksMeaningsWithUsage_data();
    void ranksMeaningsWithUsage();
    void usageShares();
    void kanjiLevels_data();
    void kanjiLevels();
    void baseForms_data();
    void baseForms();
    void plainPasts_data();
    void plainPasts();
    void loanwordSpellings_data();
    void loanwordSpellings();
};

void TestMeanings::ranksMeanings_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("meanings");

    QTest::newRow("usually kana; common beats loanword and outdated reading") << u"apple"_s << QStringList{u"りんご"_s};
    QTest::newRow("verb from a noun that takes suru") << u"mean"_s << QStringList{u"意味する"_s, u"卑劣"_s};
    QTest::newRow("verb gloss beats a loanword's noun") << u"run"_s << QStringList{u"走る"_s};
    QTest::newRow("typed with capitals and spaces") << u"  Beautiful "_s << QStringList{u"美しい"_s};
    QTest::newRow("irregular past") << u"fought"_s << QStringList{u"戦う"_s};
    QTest::newRow("irregular past, go") << u"went"_s << QStringList{u"行く"_s};
    QTest::newRow("third person, two meanings") << u"cries"_s << QStringList{u"泣く"_s, u"叫び"_s};
    QTest::newRow("irregular plural") << u"children"_s << QStringList{u"子供"_s};
    QTest::newRow("past of a suru noun") << u"studied"_s << QStringList{u"勉強する"_s};
    QTest::newRow("comparative wants an adjective, not a prefix") << u"bigger"_s << QStringList{u"大きい"_s};
    QTest::newRow("plural glossed as itself keeps its meaning") << u"glasses"_s << QStringList{u"めがね"_s};
    QTest::newRow("second spelling of a loanword is not a second meaning")
        << u"computer"_s << QStringList{u"コンピュータ"_s};
    QTest::newRow("phrase") << u"give up"_s << QStringList{u"諦める"_s};
    QTest::newRow("foreign source still gives a meaning") << u"part-time job"_s << QStringList{u"アルバイト"_s};
    QTest::newRow("the noun of the act takes suru") << u"explain"_s << QStringList{u"説明する"_s};
    QTest::newRow("a common loaned noun of the kitchen is the everyday word")
        << u"butter"_s << QStringList{u"バター"_s, u"牛酪"_s};
    QTest::newRow("a verb's gloss naming its preposition is whole")
        << u"competed"_s << QStringList{u"争う"_s, u"競争する"_s};
    QTest::newRow("a negative word: what a negative verb's adverb is glossed with")
        << u"never"_s << QStringList{u"決して"_s};
    QTest::newRow("the positive word keeps its own meaning") << u"ever"_s << QStringList{u"いつか"_s};
    QTest::newRow("a loan from another language is the Japanese word")
        << u"bread"_s << QStringList{u"パン"_s, u"食パン"_s};
    QTest::newRow("unknown") << u"xyzzy"_s << QStringList{};
    QTest::newRow("punctuation only") << u"..."_s << QStringList{};
    QTest::newRow("an i adjective before a na adjective") << u"cold"_s << QStringList{u"寒い"_s, u"寒冷"_s};
    QTest::newRow("mostly a prefix loses to the word") << u"huge"_s << QStringList{u"巨大"_s};
    QTest::newRow("a humble noun is the plain word") << u"mother"_s << QStringList{u"母"_s};
    QTest::newRow("the everyday kind beats an affix") << u"station"_s << QStringList{u"駅"_s};
    QTest::newRow("\"the world\" is the word itself") << u"world"_s << QStringList{u"世界"_s, u"世"_s};
    QTest::newRow("\"the Dog\" is a name") << u"dog"_s << QStringList{u"犬"_s};
    QTest::newRow("glossed by its plural") << u"lip"_s << QStringList{u"唇"_s};
    QTest::newRow("the entry's first gloss") << u"walk"_s << QStringList{u"歩く"_s, u"歩む"_s};
    QTest::newRow("without kanji grades the verb gloss wins") << u"answer"_s << QStringList{u"応ずる"_s, u"答え"_s};
}

void TestMeanings::ranksMeanings()
{
    QFETCH(QString, word);
    QFETCH(QStringList, meanings);
    const Edict edict = smallEdict();
    const MeaningFinder finder(edict);
    QCOMPARE(finder.meanings(word), meanings);
    // An empty table, as when KANJIDIC is missing, ranks as none does.
    const KanjiGrades none;
    QCOMPARE(MeaningFinder(edict, &none).meanings(word), meanings);
}

void TestMeanings::ranksMeaningsWithKanjiGrades_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("meanings");

    QTest::newRow("early-taught kanji before later ones") << u"answer"_s << QStringList{u"答え"_s, u"応ずる"_s};
    QTest::newRow("grades on top of the other rules") << u"cold"_s << QStringList{u"寒い"_s, u"寒冷"_s};
    QTest::newRow("kana-only words keep their rank") << u"slowly"_s << QStringList{u"ゆっくり"_s, u"徐々に"_s};
    QTest::newRow("\"the Monkey\" is a name, however early its kanji") << u"monkey"_s << QStringList{u"さる"_s};
    QTest::newRow("words without a listed kanji unchanged") << u"apple"_s << QStringList{u"りんご"_s};
}

void TestMeanings::ranksMeaningsWithKanjiGrades()
{
    QFETCH(QString, word);
    QFETCH(QStringList, meanings);
    const Edict edict = smallEdict();
    QStringEncoder encoder("EUC-JP");
    const KanjiGrades grades(encoder.encode(SmallKanjidic + ZodiacKanjidic));
    QCOMPARE(MeaningFinder(edict, &grades).meanings(word), meanings);
}

void TestMeanings::ranksMeaningsWithUsage_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("alone");     // EDICT's rules alone
    QTest::addColumn<QStringList>("withUsage"); // and the word's usual part of speech

    QTest::newRow("mostly a noun: the verb sense falls")
        << u"house"_s << QStringList{u"宿す"_s, u"家"_s} << QStringList{u"家"_s, u"宿す"_s};
    QTest::newRow("-s takes its base's counts")
        << u"cries"_s << QStringList{u"泣く"_s, u"叫び"_s} << QStringList{u"叫び"_s, u"泣く"_s};
    QTest::newRow("a participle used as an adjective: the state reached")
        << u"surprised"_s << QStringList{u"驚かす"_s} << QStringList{u"驚いた"_s};
}

void TestMeanings::ranksMeaningsWithUsage()
{
    QFETCH(QString, word);
    QFETCH(QStringList, alone);
    QFETCH(QStringList, withUsage);
    const Edict edict = smallEdict();
    QCOMPARE(MeaningFinder(edict).meanings(word), alone);
    // An empty table, as when the file is missing, ranks as none does.
    const WordUsage noUsage;
    QCOMPARE(MeaningFinder(edict, nullptr, &noUsage).meanings(word), alone);
    const WordUsage usage(SmallCntlist);
    QCOMPARE(MeaningFinder(edict, nullptr, &usage).meanings(word), withUsage);
}

void TestMeanings::usageShares()
{
    const WordUsage usage(SmallCntlist);
    QCOMPARE(usage.size(), 6);
    const auto share = [&](const char *word, EnglishPart part) {
        return usage.shares(word).value_or(PartShares{}).of(part);
    };
    QCOMPARE(share("house", EnglishPart::Noun), 40.0 / 43.0); // summed over senses
    QCOMPARE(share("cold", EnglishPart::Adjective), 1.0);     // a satellite, the capital lowered
    QCOMPARE(share("give up", EnglishPart::Verb), 1.0);       // "_" for a space
    QVERIFY(!usage.shares("seldom"));                         // too few tags to say
}

void TestMeanings::kanjiLevels_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<int>("level");

    QTest::newRow("second year") << u"答え"_s << 2;
    QTest::newRow("later everyday kanji") << u"応"_s << 7;
    QTest::newRow("for names only") << u"乃"_s << 8;
    QTest::newRow("no grade on its line") << u"冷"_s << 9;
    QTest::newRow("not in the file") << u"林檎"_s << 9;
    QTest::newRow("the least familiar kanji counts") << u"名答"_s << 2;
    QTest::newRow("repeat mark ignored") << u"名々"_s << 1;
    QTest::newRow("kana only") << u"ゆっくり"_s << 0;
}

void TestMeanings::kanjiLevels()
{
    QFETCH(QString, headword);
    QFETCH(int, level);
    QStringEncoder encoder("EUC-JP");
    const KanjiGrades grades(encoder.encode(SmallKanjidic));
    QCOMPARE(grades.size(), 6);
    QCOMPARE(grades.headwordLevel(headword), level);
    QCOMPARE(KanjiGrades().headwordLevel(headword), 0);
}

void TestMeanings::baseForms_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("base"); // empty: none
    QTest::addColumn<int>("form");

    const auto v = static_cast<int>(WordForm::VerbForm);
    const auto s = static_cast<int>(WordForm::SOrEs);
    const auto c = static_cast<int>(WordForm::Comparative);
    QTest::newRow("irregular past") << u"fought"_s << u"fight"_s << v;
    QTest::newRow("irregular plural") << u"children"_s << u"child"_s << s;
    QTest::newRow("irregular comparative") << u"better"_s << u"good"_s << c;
    QTest::newRow("-ies") << u"cries"_s << u"cry"_s << s;
    QTest::newRow("-es after ch") << u"watches"_s << u"watch"_s << s;
    QTest::newRow("-es after x") << u"boxes"_s << u"box"_s << s;
    QTest::newRow("-s after e") << u"makes"_s << u"make"_s << s;
    QTest::newRow("-ied") << u"studied"_s << u"study"_s << v;
    QTest::newRow("-d") << u"liked"_s << u"like"_s << v;
    QTest::newRow("-d before -ed (hoped is not hop)") << u"hoped"_s << u"hope"_s << v;
    QTest::newRow("-ed") << u"walked"_s << u"walk"_s << v;
    QTest::newRow("doubled consonant -ed") << u"stopped"_s << u"stop"_s << v;
    QTest::newRow("doubled consonant -ing") << u"running"_s << u"run"_s << v;
    QTest::newRow("-ing after a dropped e") << u"making"_s << u"make"_s << v;
    QTest::newRow("-ying") << u"lying"_s << u"lie"_s << v;
    QTest::newRow("doubled consonant -er") << u"bigger"_s << u"big"_s << c;
    QTest::newRow("-ier") << u"happier"_s << u"happy"_s << c;
    QTest::newRow("-r after e") << u"larger"_s << u"large"_s << c;
    QTest::newRow("-est") << u"tallest"_s << u"tall"_s << c;
    QTest::newRow("not inflected") << u"walk"_s << QString() << 0;
    QTest::newRow("double s is no plural") << u"glass"_s << QString() << 0;
    QTest::newRow("base not in the dictionary") << u"xyzzies"_s << QString() << 0;
    QTest::newRow("phrase") << u"gave up"_s << QString() << 0;
}

void TestMeanings::baseForms()
{
    QFETCH(QString, word);
    QFETCH(QString, base);
    QFETCH(int, form);
    static const QSet<QString> known{u"cry"_s,  u"watch"_s, u"box"_s,   u"make"_s, u"study"_s, u"like"_s,
                                     u"hope"_s, u"hop"_s,   u"walk"_s,  u"stop"_s, u"run"_s,   u"lie"_s,
                                     u"big"_s,  u"happy"_s, u"large"_s, u"tall"_s, u"glass"_s, u"give"_s};
    const std::optional<BaseForm> found = baseForm(word, [](const QString &w) { return known.contains(w); });
    if (base.isEmpty()) {
        QVERIFY2(!found, qPrintable(found ? found->word : QString()));
        return;
    }
    QVERIFY(found);
    QCOMPARE(found->word, base);
    QCOMPARE(static_cast<int>(found->form), form);
}

void TestMeanings::loanwordSpellings_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("spellings");

    QTest::newRow("loanword") << u"apple"_s << QStringList{u"アップル"_s};
    QTest::newRow("two spellings in the file's order")
        << u"computer"_s << QStringList{u"コンピューター"_s, u"コンピュータ"_s};
    QTest::newRow("adjective") << u"beautiful"_s << QStringList{u"ビューティフル"_s};
    // Offered: the reading drafter takes a spelling only when it sounds like the word.
    QTest::newRow("from German") << u"part-time job"_s << QStringList{u"アルバイト"_s, u"バイト"_s};
    QTest::newRow("made in Japan") << u"plus alpha"_s << QStringList{};
    QTest::newRow("native word in katakana, not a loan") << u"mean"_s << QStringList{};
    QTest::newRow("kanji entries are no spellings") << u"run"_s << QStringList{u"ラン"_s};
    QTest::newRow("a loan written in kanji, its katakana reading") << u"coffee"_s << QStringList{u"コーヒー"_s};
    QTest::newRow("unknown") << u"xyzzy"_s << QStringList{};
}

void TestMeanings::loanwordSpellings()
{
    QFETCH(QString, word);
    QFETCH(QStringList, spellings);
    const Edict edict = smallEdict();
    QCOMPARE(MeaningFinder(edict).loanwordSpellings(word), spellings);
}

void TestMeanings::plainPasts_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("past");

    QTest::newRow("ichidan") << u"疲れる"_s << QStringList{u"v1"_s, u"vi"_s} << u"疲れた"_s;
    QTest::newRow("-ku") << u"驚く"_s << QStringList{u"v5k"_s, u"vi"_s} << u"驚いた"_s;
    QTest::newRow("-gu") << u"騒ぐ"_s << QStringList{u"v5g"_s} << u"騒いだ"_s;
    QTest::newRow("-su") << u"冷やす"_s << QStringList{u"v5s"_s} << u"冷やした"_s;
    QTest::newRow("-u, -tsu, -ru: った") << u"酔う"_s << QStringList{u"v5u"_s} << u"酔った"_s;
    QTest::newRow("-mu, -bu, -nu: んだ") << u"悩む"_s << QStringList{u"v5m"_s} << u"悩んだ"_s;
    QTest::newRow("iku is irregular in its past") << u"行く"_s << QStringList{u"v5k-s"_s} << u"行った"_s;
    QTest::newRow("a noun that takes suru") << u"退屈"_s << QStringList{u"n"_s, u"vs"_s} << u"退屈した"_s;
    QTest::newRow("a suru verb") << u"愛する"_s << QStringList{u"vs-s"_s} << u"愛した"_s;
    QTest::newRow("kuru: not written") << u"来る"_s << QStringList{u"vk"_s} << QString();
    QTest::newRow("tou: not written") << u"問う"_s << QStringList{u"v5u-s"_s} << QString();
    QTest::newRow("not a verb") << u"寒い"_s << QStringList{u"adj-i"_s} << QString();
}

void TestMeanings::plainPasts()
{
    QFETCH(QString, verb);
    QFETCH(QStringList, parts);
    QFETCH(QString, past);
    QCOMPARE(plainPast(verb, parts), past);
}

QTEST_GUILESS_MAIN(TestMeanings)
#include "tst_meanings.moc"
