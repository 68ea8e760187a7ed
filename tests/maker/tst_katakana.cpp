// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The katakana rules, one row per case of each rule family, on
// pronunciations written here in the CMU dictionary's phones.
#include "maker/Katakana.h"

#include <QTest>

using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

namespace {

// "k ae2 t": a vowel's 1 is a stress, its 2 the main stress.
Pronunciation phones(const QString &text)
{
    Pronunciation pronunciation;
    for (const QString &token : text.split(u' ', Qt::SkipEmptyParts)) {
        QByteArray symbol = token.toLatin1();
        int stress = -1;
        if (symbol.back() >= '0' && symbol.back() <= '2') {
            stress = symbol.back() - '0';
            symbol.chop(1);
        }
        if (stress == 2)
            pronunciation.primary = static_cast<int>(pronunciation.phones.size());
        pronunciation.phones.append({symbol, stress == 2 ? 1 : stress});
    }
    return pronunciation;
}

} // namespace

class TestKatakana : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void foldsLoosely();
};

void TestKatakana::rules_data()
{
    QTest::addColumn<QString>("spelling");
    QTest::addColumn<QString>("pronunciation");
    QTest::addColumn<QString>("kana");
    QTest::addColumn<int>("stressStart");

    // ッ: a stop after a short vowel at the end, or doubled in the spelling.
    QTest::newRow("geminate: cat") << u"cat"_s << u"k ae2 t"_s << u"キャット"_s << 0;
    QTest::newRow("geminate: get") << u"get"_s << u"g eh2 t"_s << u"ゲット"_s << 0;
    QTest::newRow("geminate: bed, voiced after a stressed vowel") << u"bed"_s << u"b eh2 d"_s << u"ベッド"_s << 0;
    QTest::newRow("geminate: box, k before a final s") << u"box"_s << u"b aa2 k s"_s << u"ボックス"_s << 0;
    QTest::newRow("geminate: index, a final x after an unstressed vowel")
        << u"index"_s << u"ih2 n d eh0 k s"_s << u"インデックス"_s << 0;
    QTest::newRow("geminate: happy, pp") << u"happy"_s << u"hh ae2 p iy0"_s << u"ハッピー"_s << 0;
    QTest::newRow("geminate: apple, silent -le") << u"apple"_s << u"ae2 p ax0 l"_s << u"アップル"_s << 0;
    QTest::newRow("geminate: checkbook, compound")
        << u"checkbook"_s << u"ch eh2 k b uh1 k"_s << u"チェックブック"_s << 0;
    QTest::newRow("geminate: cats, ts") << u"cats"_s << u"k ae2 t s"_s << u"キャッツ"_s << 0;
    QTest::newRow("geminate: stopped, as its stem") << u"stopped"_s << u"s t aa2 p t"_s << u"ストップト"_s << 1;
    QTest::newRow("geminate: stops, as its stem") << u"stops"_s << u"s t aa2 p s"_s << u"ストップス"_s << 1;
    QTest::newRow("no geminate: collapse, ps of the stem")
        << u"collapse"_s << u"k ax0 l ae2 p s"_s << u"コラプス"_s << 1;
    QTest::newRow("geminate: passive, ss before a suffix") << u"passive"_s << u"p ae2 s ih0 v"_s << u"パッシブ"_s << 0;
    QTest::newRow("no geminate: classical, ss inside the stem")
        << u"classical"_s << u"k l ae2 s ih0 k ax0 l"_s << u"クラシカル"_s << 1;
    QTest::newRow("no geminate: butter, tt after a spelt u") << u"butter"_s << u"b ah2 t er0"_s << u"バター"_s << 0;
    QTest::newRow("no geminate: supper, pp after a spelt u") << u"supper"_s << u"s ah2 p er0"_s << u"サパー"_s << 0;
    QTest::newRow("geminate: physics, -ics unstressed")
        << u"physics"_s << u"f ih2 z ih0 k s"_s << u"フィジックス"_s << 0;
    QTest::newRow("geminate: polishing, -ish unstressed")
        << u"polishing"_s << u"p aa2 l ih0 sh ih0 ng"_s << u"ポリッシング"_s << 0;
    QTest::newRow("no geminate: doctor, kt") << u"doctor"_s << u"d aa2 k t er0"_s << u"ドクター"_s << 0;
    QTest::newRow("no geminate: milk, after l") << u"milk"_s << u"m ih2 l k"_s << u"ミルク"_s << 0;
    QTest::newRow("no geminate: after a long vowel") << u"seat"_s << u"s iy2 t"_s << u"シート"_s << 0;

    // ー: long vowels, the main stress only.
    QTest::newRow("long: water") << u"water"_s << u"w ao2 t er0"_s << u"ウォーター"_s << 0;
    QTest::newRow("long: computer") << u"computer"_s << u"k ax0 m p y uw2 t er0"_s << u"コンピューター"_s << 2;
    QTest::newRow("long: food") << u"food"_s << u"f uw2 d"_s << u"フード"_s << 0;
    QTest::newRow("long: bird, stressed er") << u"bird"_s << u"b er2 d"_s << u"バード"_s << 0;
    QTest::newRow("long: home") << u"home"_s << u"hh ow2 m"_s << u"ホーム"_s << 0;
    QTest::newRow("short: program, o before two consonants")
        << u"program"_s << u"p r ow2 g r ae1 m"_s << u"プログラム"_s << 1;
    QTest::newRow("long: final unstressed y") << u"happy"_s << u"hh ae2 p iy0"_s << u"ハッピー"_s << 0;

    // r after a vowel.
    QTest::newRow("r: car") << u"car"_s << u"k aa2 r"_s << u"カー"_s << 0;
    QTest::newRow("r: more, final") << u"more"_s << u"m ao2 r"_s << u"モア"_s << 0;
    QTest::newRow("r: horse, before a consonant") << u"horse"_s << u"hh ao2 r s"_s << u"ホース"_s << 0;
    QTest::newRow("r: air") << u"air"_s << u"eh2 r"_s << u"エア"_s << 0;
    QTest::newRow("r: here") << u"here"_s << u"hh ih2 r"_s << u"ヒア"_s << 0;
    QTest::newRow("r: hour") << u"hour"_s << u"aw2 r"_s << u"アワー"_s << 0;
    QTest::newRow("r: very, r begins a syllable") << u"very"_s << u"v eh2 r iy0"_s << u"ベリー"_s << 0;
    QTest::newRow("r: fairy, two-letter vowel keeps ア") << u"fairy"_s << u"f eh2 r iy0"_s << u"フェアリー"_s << 0;
    QTest::newRow("glide: player, ey before er as イヤー") << u"player"_s << u"p l ey2 er0"_s << u"プレイヤー"_s << 1;
    QTest::newRow("r: around, er before a vowel") << u"around"_s << u"er0 aw2 n d"_s << u"アラウンド"_s << 1;

    // Small kana.
    QTest::newRow("small: party ティ") << u"party"_s << u"p aa2 r t iy0"_s << u"パーティー"_s << 0;
    QTest::newRow("small: fan ファ") << u"fan"_s << u"f ae2 n"_s << u"ファン"_s << 0;
    QTest::newRow("small: music ミュ") << u"music"_s << u"m y uw2 z ih0 k"_s << u"ミュージック"_s << 0;
    QTest::newRow("small: wedding ウェ, dd not doubled")
        << u"wedding"_s << u"w eh2 d ih0 ng"_s << u"ウェディング"_s << 0;
    QTest::newRow("small: calorie, a open before one consonant stays カ")
        << u"calorie"_s << u"k ae2 l ax0 r iy0"_s << u"カロリー"_s << 0;
    QTest::newRow("small: chance チャ") << u"chance"_s << u"ch ae2 n s"_s << u"チャンス"_s << 0;
    QTest::newRow("small: juice ジュ") << u"juice"_s << u"jh uw2 s"_s << u"ジュース"_s << 0;
    QTest::newRow("small: station -tion ショ") << u"station"_s << u"s t ey2 sh ax0 n"_s << u"ステーション"_s << 1;
    // The mark goes on the vowel's kana, as after any cluster (black ブラック): queen ク'イーン.
    QTest::newRow("small: queen, kw as ク and the vowel") << u"queen"_s << u"k w iy2 n"_s << u"クイーン"_s << 1;
    QTest::newRow("small: billion, y the spelling's i") << u"billion"_s << u"b ih2 l y ax0 n"_s << u"ビリオン"_s << 0;

    QTest::newRow("x: mexican, キシ before a spelt i")
        << u"mexican"_s << u"m eh2 k s ax0 k ax0 n"_s << u"メキシカン"_s << 0;
    QTest::newRow("x: boxing, クシ before -ing") << u"boxing"_s << u"b aa2 k s ih0 ng"_s << u"ボクシング"_s << 0;

    QTest::newRow("s: translation, z spelt s before l as ス")
        << u"translation"_s << u"t r ae1 n z l ey2 sh ax0 n"_s << u"トランスレーション"_s << 4;
    QTest::newRow("s: husband, z before b stays ズ") << u"husband"_s << u"hh ah2 z b ax0 n d"_s << u"ハズバンド"_s << 0;

    QTest::newRow("t: suit, ui then t as ツ") << u"suit"_s << u"s uw2 t"_s << u"スーツ"_s << 0;
    // Consonants alone, ン.
    QTest::newRow("alone: camp, m before p") << u"camp"_s << u"k ae2 m p"_s << u"キャンプ"_s << 0;
    QTest::newRow("alone: long, ng") << u"long"_s << u"l ao2 ng"_s << u"ロング"_s << 0;
    QTest::newRow("alone: think, ng before k") << u"think"_s << u"th ih2 ng k"_s << u"シンク"_s << 0;
    QTest::newRow("alone: pen") << u"pen"_s << u"p eh2 n"_s << u"ペン"_s << 0;
    QTest::newRow("alone: strawberry") << u"strawberry"_s << u"s t r ao2 b eh1 r iy0"_s << u"ストローベリー"_s << 2;

    // The spelling behind reduced vowels.
    QTest::newRow("spelling: lemon") << u"lemon"_s << u"l eh2 m ax0 n"_s << u"レモン"_s << 0;
    QTest::newRow("spelling: information")
        << u"information"_s << u"ih1 n f er0 m ey2 sh ax0 n"_s << u"インフォメーション"_s << 4;
    QTest::newRow("spelling: image, -age") << u"image"_s << u"ih2 m ax0 jh"_s << u"イメージ"_s << 0;
    QTest::newRow("spelling: basement, e silent before -ment")
        << u"basement"_s << u"b ey2 s m ax0 n t"_s << u"ベースメント"_s << 0;
    QTest::newRow("spelling: realism, -ism") << u"realism"_s << u"r iy2 ax0 l ih0 z ax0 m"_s << u"リアリズム"_s << 0;
    QTest::newRow("spelling: rhythm, -thm") << u"rhythm"_s << u"r ih2 dh ax0 m"_s << u"リズム"_s << 0;
    QTest::newRow("spelling: heroism, oi read as two vowels")
        << u"heroism"_s << u"hh eh2 r ow0 ih0 z ax0 m"_s << u"ヘロイズム"_s << 0;
    QTest::newRow("spelling: reflect, re- as リ") << u"reflect"_s << u"r ih0 f l eh2 k t"_s << u"リフレクト"_s << 2;
    QTest::newRow("spelling: cornering, -er before -ing")
        << u"cornering"_s << u"k ao2 r n er0 ih0 ng"_s << u"コーナリング"_s << 0;
    QTest::newRow("spelling: interrupt, inter- as インタ")
        << u"interrupt"_s << u"ih1 n t er0 ah2 p t"_s << u"インタラプト"_s << 3;
    QTest::newRow("spelling: reference, er after f as ア")
        << u"reference"_s << u"r eh2 f er0 ax0 n s"_s << u"レファレンス"_s << 0;
    QTest::newRow("spelling: sodium, -ium as ウム") << u"sodium"_s << u"s ow2 d iy0 ax0 m"_s << u"ソディウム"_s << 0;
    QTest::newRow("spelling: solution, -lution as リュー")
        << u"solution"_s << u"s ax0 l uw2 sh ax0 n"_s << u"ソリューション"_s << 1;
    QTest::newRow("spelling: fortune, a spelt u after ch as チュ")
        << u"fortune"_s << u"f ao2 r ch ax0 n"_s << u"フォーチュン"_s << 0;
    QTest::newRow("spelling: tube, the dropped y") << u"tube"_s << u"t uw2 b"_s << u"チューブ"_s << 0;
    QTest::newRow("spelling: watch, wa as ウォ") << u"watch"_s << u"w aa2 ch"_s << u"ウォッチ"_s << 0;
    QTest::newRow("spelling: swallow, wa after a consonant as ワ")
        << u"swallow"_s << u"s w aa2 l ow0"_s << u"スワロー"_s << 1;
    QTest::newRow("cluster: twelve トゥ") << u"twelve"_s << u"t w eh2 l v"_s << u"トゥエルブ"_s << 2;
    QTest::newRow("cluster: twice, tw before a as トワ") << u"twice"_s << u"t w ay2 s"_s << u"トワイス"_s << 1;
    QTest::newRow("cluster: quite, kw before a as クワ") << u"quite"_s << u"k w ay2 t"_s << u"クワイト"_s << 1;
    QTest::newRow("spelling: quiet, the u of qu is its w")
        << u"quiet"_s << u"k w ay2 ax0 t"_s << u"クワイエット"_s << 1;
    QTest::newRow("long: calm, a before a silent l") << u"calm"_s << u"k aa2 m"_s << u"カーム"_s << 0;
    QTest::newRow("glide: actual, the w of a spelt u")
        << u"actual"_s << u"ae2 k ch ax0 w ax0 l"_s << u"アクチュアル"_s << 0;
    QTest::newRow("glide: flower, aw before a vowel") << u"flower"_s << u"f l aw2 er0"_s << u"フラワー"_s << 1;
    QTest::newRow("alone: friends, dz as ズ") << u"friends"_s << u"f r eh2 n d z"_s << u"フレンズ"_s << 1;
    QTest::newRow("long: unity, open syllable far from the end")
        << u"unity"_s << u"y uw2 n ax0 t iy0"_s << u"ユニティー"_s << 0;
    QTest::newRow("long: usual, a word's first ユ but before n")
        << u"usual"_s << u"y uw2 zh ax0 w ax0 l"_s << u"ユージュアル"_s << 0;
    QTest::newRow("long: bought, ought as オー") << u"bought"_s << u"b aa2 t"_s << u"ボート"_s << 0;
    QTest::newRow("long: lactose, stressed closed last syllable")
        << u"lactose"_s << u"l ae2 k t ow1 s"_s << u"ラクトース"_s << 0;
    QTest::newRow("long: odometer, the e of meter")
        << u"odometer"_s << u"ow0 d aa2 m ax0 t er0"_s << u"オドメーター"_s << 1;
    QTest::newRow("long: musician, ュ before a stressed syllable")
        << u"musician"_s << u"m y uw0 z ih2 sh ax0 n"_s << u"ミュージシャン"_s << 3;
    QTest::newRow("short: acetone, -one away from the main stress")
        << u"acetone"_s << u"ae2 s ax0 t ow1 n"_s << u"アセトン"_s << 0;
    QTest::newRow("short: trampoline, -ine away from the main stress")
        << u"trampoline"_s << u"t r ae2 m p ax0 l iy1 n"_s << u"トランポリン"_s << 1;
    QTest::newRow("no spelling: reduced vowel as a")
        << QString() << u"k ax0 m p y uw2 t er0"_s << u"カンピューター"_s << 2;
    QTest::newRow("no main stress known") << QString() << u"k ae1 t"_s << u"キャット"_s << -1;
}

void TestKatakana::rules()
{
    QFETCH(QString, spelling);
    QFETCH(QString, pronunciation);
    QFETCH(QString, kana);
    QFETCH(int, stressStart);
    const KanaReading reading = toKatakana(phones(pronunciation), spelling);
    QCOMPARE(reading.kana, kana);
    QCOMPARE(reading.stressStart, stressStart);
}

void TestKatakana::foldsLoosely()
{
    QCOMPARE(foldKana(u"コンピューター"), u"コンピュタ"_s.replace(u'ュ', u'ユ'));
    QCOMPARE(foldKana(u"キャット"), u"キヤト"_s);
    QCOMPARE(foldKana(u"アイス・クリーム"), u"アイスクリム"_s);
}

QTEST_GUILESS_MAIN(TestKatakana)
#include "tst_katakana.moc"
