// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Katakana.h"

#include <QList>

#include <array>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

// One row of the kana table: the five vowels a i u e o, the kana a small
// ャ ュ ョ joins (キ for キャ), and the kana for the consonant with no vowel
// of its own.
struct Row
{
    const char *consonant;
    std::array<const char16_t *, 5> vowels;
    const char16_t *palatalBase;
    const char16_t *alone;
};

constexpr std::array<Row, 27> rows = {{
    {"", {u"ア", u"イ", u"ウ", u"エ", u"オ"}, u"", u""},
    {"k", {u"カ", u"キ", u"ク", u"ケ", u"コ"}, u"キ", u"ク"},
    {"g", {u"ガ", u"ギ", u"グ", u"ゲ", u"ゴ"}, u"ギ", u"グ"},
    {"s", {u"サ", u"シ", u"ス", u"セ", u"ソ"}, u"シ", u"ス"},
    {"z", {u"ザ", u"ジ", u"ズ", u"ゼ", u"ゾ"}, u"ジ", u"ズ"},
    {"sh", {u"シャ", u"シ", u"シュ", u"シェ", u"ショ"}, u"シ", u"シュ"},
    {"zh", {u"ジャ", u"ジ", u"ジュ", u"ジェ", u"ジョ"}, u"ジ", u"ジュ"},
    {"jh", {u"ジャ", u"ジ", u"ジュ", u"ジェ", u"ジョ"}, u"ジ", u"ジ"},
    {"ch", {u"チャ", u"チ", u"チュ", u"チェ", u"チョ"}, u"チ", u"チ"},
    {"t", {u"タ", u"ティ", u"ツ", u"テ", u"ト"}, u"チ", u"ト"},
    {"d", {u"ダ", u"ディ", u"ドゥ", u"デ", u"ド"}, u"デ", u"ド"},
    {"th", {u"サ", u"シ", u"ス", u"セ", u"ソ"}, u"シ", u"ス"},
    {"dh", {u"ザ", u"ジ", u"ズ", u"ゼ", u"ゾ"}, u"ジ", u"ズ"},
    {"n", {u"ナ", u"ニ", u"ヌ", u"ネ", u"ノ"}, u"ニ", u"ン"},
    {"m", {u"マ", u"ミ", u"ム", u"メ", u"モ"}, u"ミ", u"ム"},
    {"hh", {u"ハ", u"ヒ", u"フ", u"ヘ", u"ホ"}, u"ヒ", u"フ"},
    {"f", {u"ファ", u"フィ", u"フ", u"フェ", u"フォ"}, u"フ", u"フ"},
    {"v", {u"バ", u"ビ", u"ブ", u"ベ", u"ボ"}, u"ビ", u"ブ"},
    {"b", {u"バ", u"ビ", u"ブ", u"ベ", u"ボ"}, u"ビ", u"ブ"},
    {"p", {u"パ", u"ピ", u"プ", u"ペ", u"ポ"}, u"ピ", u"プ"},
    {"l", {u"ラ", u"リ", u"ル", u"レ", u"ロ"}, u"リ", u"ル"},
    {"r", {u"ラ", u"リ", u"ル", u"レ", u"ロ"}, u"リ", u"ル"},
    {"w", {u"ワ", u"ウィ", u"ウ", u"ウェ", u"ウォ"}, u"ウ", u"ウ"},
    {"y", {u"ヤ", u"イ", u"ユ", u"イエ", u"ヨ"}, u"", u"イ"},
    {"ng", {u"ンガ", u"ンギ", u"ング", u"ンゲ", u"ンゴ"}, u"ンギ", u"ング"},
    // A w after a consonant leaves only the vowel (queen クイーン, square スクエア)
    // but before an a, which keeps it (quite クワイト).
    {"w~", {u"ワ", u"イ", u"ウ", u"ェ", u"ォ"}, u"", u""},
    {"?", {u"ア", u"イ", u"ウ", u"エ", u"オ"}, u"", u""},
}};

const Row &rowOf(QByteArrayView consonant)
{
    for (const Row &row : rows) {
        if (consonant == QByteArrayView(row.consonant))
            return row;
    }
    return rows.back();
}

int vowelColumn(char vowel)
{
    switch (vowel) {
    case 'a':
        return 0;
    case 'i':
        return 1;
    case 'u':
        return 2;
    case 'e':
        return 3;
    default:
        return 4;
    }
}

QString syllable(QByteArrayView consonant, char vowel, bool palatal)
{
    const Row &row = rowOf(consonant);
    const int column = vowelColumn(vowel);
    const bool ownRow = consonant == "sh" || consonant == "zh" || consonant == "jh" || consonant == "ch";
    if (!palatal || ownRow || column == 1)
        return QString::fromUtf16(row.vowels[column]);
    if (consonant.isEmpty() || consonant == "y")
        return QString::fromUtf16(rows[23].vowels[column]);
    static constexpr std::array<const char16_t *, 5> small = {u"ャ", u"ィ", u"ュ", u"ェ", u"ョ"};
    return QString::fromUtf16(row.palatalBase) + QString::fromUtf16(small[column]);
}

// The letters of the spelling behind one vowel of the pronunciation.
struct VowelHint
{
    QString letters;           // "o", "ow", "io"
    QString after;             // the consonant letters up to the next vowel's
    bool silent = false;       // the e of a final -le: apple アップル
    bool beforeFinalE = false; // a final consonant and e follow: chocolate
};

bool isVowelLetter(QChar c)
{
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u';
}

QList<VowelHint> spellingHints(QStringView spelling, const Pronunciation &pronunciation)
{
    QString word;
    for (const QChar c : spelling) {
        if (c.isLetter() && c.unicode() < 0x80)
            word.append(c.toLower());
    }
    qsizetype vowels = 0;
    for (const Phone &phone : pronunciation.phones)
        vowels += phone.isVowel() ? 1 : 0;

    struct Cluster
    {
        qsizetype begin;
        qsizetype end;
    };
    QList<Cluster> clusters;
    for (qsizetype i = 0; i < word.size();) {
        const QChar c = word[i];
        const bool yVowel = c == u'y' && i > 0 && (i + 1 == word.size() || !isVowelLetter(word[i + 1]));
        // The u of qu is its w: quiet, quality.
        const bool quW = c == u'u' && i > 0 && word[i - 1] == u'q' && i + 1 < word.size() && isVowelLetter(word[i + 1]);
        if ((!isVowelLetter(c) && !yVowel) || quW) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < word.size()) {
            const QChar next = word[end];
            const bool continues = isVowelLetter(next)
                                   || (next == u'y' && (end + 1 == word.size() || !isVowelLetter(word[end + 1])))
                                   || (next == u'w' && (end + 1 == word.size() || !isVowelLetter(word[end + 1])));
            if (!continues)
                break;
            ++end;
        }
        clusters.append({i, end});
        i = end;
    }

    bool silentLe = false;
    bool finalE = false;
    const qsizetype n = word.size();
    const auto &phones = pronunciation.phones;
    if (clusters.size() > 1 && n >= 3 && word.endsWith(u'e') && clusters.back().begin == n - 1
        && !isVowelLetter(word[n - 2])) {
        const bool endsInL = phones.size() >= 2 && phones.back().symbol == "l" && phones[phones.size() - 2].isVowel()
                             && phones[phones.size() - 2].stress == 0;
        if (word[n - 2] == u'l' && endsInL && clusters.size() == vowels) {
            silentLe = true;
        } else {
            clusters.removeLast();
            finalE = true;
        }
    }
    // An e silent before a suffix: basement, amusement, lonely.
    for (qsizetype i = 1; i < clusters.size() && clusters.size() > vowels; ++i) {
        const Cluster cluster = clusters[i];
        if (cluster.end - cluster.begin != 1 || word[cluster.begin] != u'e')
            continue;
        const QStringView rest = QStringView(word).sliced(cluster.end);
        if (rest.startsWith(u"ment") || rest.startsWith(u"ly") || rest.startsWith(u"ful") || rest.startsWith(u"less")
            || rest.startsWith(u"ness") || rest == u"s" || rest == u"d") {
            clusters.removeAt(i);
            --i;
        }
    }
    // -ism, -asm, rhythm: the m ends the word with a vowel the spelling does
    // not write, as ズム.
    bool silentM = false;
    if (clusters.size() < vowels && (word.endsWith(u"sm") || word.endsWith(u"thm")) && phones.size() >= 3
        && phones.back().symbol == "m" && phones[phones.size() - 2].isVowel()) {
        clusters.append({n, n});
        silentM = true;
    }
    // Split pairs read as two vowels (piano, radio) until the counts agree.
    for (qsizetype i = 0; i < clusters.size() && clusters.size() < vowels; ++i) {
        if (clusters[i].end - clusters[i].begin == 2) {
            const QStringView pair = QStringView(word).sliced(clusters[i].begin, 2);
            if (pair == u"ia" || pair == u"io" || pair == u"eo" || pair == u"ua" || pair == u"uo" || pair == u"ea"
                || pair == u"ue" || pair == u"ie" || pair == u"oe" || pair == u"ui" || pair == u"oa" || pair == u"iu"
                || pair == u"eu" || pair == u"oi") {
                clusters.insert(i + 1, {clusters[i].begin + 1, clusters[i].end});
                clusters[i].end = clusters[i].begin + 1;
                ++i;
            }
        }
    }
    if (clusters.size() != vowels)
        return {};

    QList<VowelHint> hints;
    for (qsizetype i = 0; i < clusters.size(); ++i) {
        VowelHint hint;
        hint.letters = word.sliced(clusters[i].begin, clusters[i].end - clusters[i].begin);
        const qsizetype afterEnd = i + 1 < clusters.size() ? clusters[i + 1].begin : n - (finalE ? 1 : 0);
        hint.after = word.sliced(clusters[i].end, afterEnd - clusters[i].end);
        hints.append(hint);
    }
    if (silentLe || silentM)
        hints.back().silent = true;
    if (finalE && !hints.isEmpty())
        hints.back().beforeFinalE = hints.back().after.size() == 1;
    return hints;
}

// The vowel the spelling shows behind a reduced one.
char reducedColumn(QStringView letters, bool beforeIng, bool fulEnding, char fallback)
{
    const QChar first = letters.front();
    if (beforeIng && first == u'e')
        return 'a'; // cornering コーナリング
    // famous フェーマス, album アルバム, brilliant ブリリアント; not -ful
    if (letters.startsWith(u"ou") || letters == u"ia" || (letters == u"u" && !fulEnding))
        return 'a';
    if (letters == u"io" || letters == u"eo" || first == u'o')
        return 'o';
    if (first == u'u')
        return 'u';
    if (first == u'e' || letters == u"ai")
        return 'e';
    if (first == u'i' || first == u'y')
        return 'i';
    if (first == u'a')
        return 'a';
    return fallback;
}

// How one vowel is written: its vowel column, whether a small ャ ュ ョ joins
// it to the consonant, what follows it (ー, イ, ア), and whether a stop
// after it may be doubled.
struct Vowel
{
    char column = 'a';
    bool palatal = false;
    QString tail;
    bool shortVowel = false;
    bool takesR = false; // the r after it was written as part of it
    bool silent = false;
};

class Writer
{
public:
    Writer(const Pronunciation &pronunciation, QStringView spelling)
        : m_phones(pronunciation.phones)
        , m_primary(pronunciation.primary)
        , m_hints(spellingHints(spelling, pronunciation))
        , m_spelling(spelling.toString().toLower())
    {
        // An er before a vowel is a vowel and an r that begins the next
        // syllable: around アラウンド, binary バイナリー.
        for (int i = 0; i + 1 < m_phones.size(); ++i) {
            if (m_phones[i].symbol == "er" && m_phones[i + 1].isVowel()) {
                m_phones[i].symbol = "ax";
                m_reducedR.append(i);
                m_phones.insert(i + 1, {QByteArray("r"), -1});
                if (m_primary > i)
                    ++m_primary;
            }
        }
    }

    KanaReading write()
    {
        const int n = static_cast<int>(m_phones.size());
        int i = 0;
        while (i < n) {
            const QByteArray &c = m_phones[i].symbol;
            if (m_phones[i].isVowel()) {
                // flower フラワー: the u of aw is the w of the next vowel.
                const QByteArray before = symbolAt(i - 1);
                QByteArray glide;
                if (before == "aw")
                    glide = "w";
                // player プレイヤー, buyer バイヤー: the i of ay, ey, oy is the y of an er.
                // fire ファイア, whose spelling shows no vowel of its own for the er, keeps ア.
                if ((before == "ay" || before == "ey" || before == "oy") && c == "er"
                    && (hintAt(i).letters == u"e" || hintAt(i).letters == u"o"))
                    glide = "y";
                i = writeSyllable(glide, i, false);
                continue;
            }
            const bool nextVowel = isVowel(i + 1);
            if (c == "t" && symbolAt(i + 1) == "s" && !isVowel(i + 2)) {
                writeDoubled(i);
                m_out += u"ツ"_s;
                i += 2;
                continue;
            }
            if (c == "d" && symbolAt(i + 1) == "z" && i + 2 == n) {
                writeDoubled(i);
                m_out += u"ズ"_s; // friends フレンズ
                i += 2;
                continue;
            }
            if (c == "ng") {
                if (nextVowel) {
                    m_out += u"ン"_s;
                    i = writeSyllable("g", i + 1, false);
                } else {
                    const QByteArray next = symbolAt(i + 1);
                    m_out += next == "k" || next == "g" ? u"ン"_s : u"ング"_s;
                    ++i;
                }
                continue;
            }
            if (c == "r" && !nextVowel && i > 0) {
                // An r after a consonant or closing a vowel that did not take it.
                m_out += i > 0 && m_phones[i - 1].isVowel() ? u"ー"_s : u"ル"_s;
                ++i;
                continue;
            }
            // casual カジュアル, actual アクチュアル: the w between a spelt u and
            // the next vowel is the u's own glide.
            if (c == "w" && nextVowel && i > 0 && m_phones[i - 1].isVowel() && hintAt(i - 1).letters == u"u") {
                i = writeSyllable(QByteArray(), i + 1, false);
                continue;
            }
            if (nextVowel && !vowelAt(i + 1).silent) {
                writeDoubled(i);
                i = writeSyllable(c, i + 1, false);
                continue;
            }
            if (symbolAt(i + 1) == "y" && isVowel(i + 2) && m_phones[i + 2].stress == 0
                && hintAt(i + 2).letters.size() >= 2 && hintAt(i + 2).letters.startsWith(u'i')) {
                // billion ビリオン, brilliant ブリリアント: the y is the i the spelling shows.
                writeDoubled(i);
                m_out += syllable(c, 'i', false);
                i = writeSyllable(QByteArray(), i + 2, false);
                continue;
            }
            if (symbolAt(i + 1) == "y" && isVowel(i + 2) && c != "y") {
                writeDoubled(i);
                i = writeSyllable(c, i + 2, true);
                continue;
            }
            // queen クイーン, quality クォリティ, swim スイム, twelve トゥエルブ;
            // swan スワン keeps its w.
            const char columnAfterW = isVowel(i + 2) ? vowelAt(i + 2).column : '\0';
            const bool iAfterW = columnAfterW == 'i';
            const bool aAfterW = columnAfterW == 'a' && symbolAt(i + 2) != "aa";
            const bool clusterW = c == "k" || c == "g" || (i == 0 && (c == "t" || (c == "s" && iAfterW)));
            if (symbolAt(i + 1) == "w" && isVowel(i + 2) && clusterW) {
                if (c == "t")
                    m_out += iAfterW ? u"ツ"_s : aAfterW ? u"ト"_s : u"トゥ"_s;
                else
                    m_out += QString::fromUtf16(rowOf(c).alone);
                i = writeSyllable(c == "t" && !aAfterW ? "?" : "w~", i + 2, false);
                continue;
            }
            writeDoubled(i);
            if (xBeforeI(i)) {
                m_out += u"キ"_s;
                ++i;
                continue;
            }
            if (c == "m"
                && (symbolAt(i + 1) == "p" || symbolAt(i + 1) == "b" || symbolAt(i + 1) == "m"
                    || symbolAt(i + 1) == "f"))
                m_out += u"ン"_s;
            else if (c == "t" && i > 0 && symbolAt(i - 1) == "uw" && hintAt(i - 1).letters == u"ui")
                m_out += u"ツ"_s; // suit スーツ, fruit フルーツ: the ui words came in plural
            else if (voicelessS(i))
                m_out += u"ス"_s;
            else
                m_out += QString::fromUtf16(rowOf(c).alone);
            ++i;
            if (i < n && m_phones[i].isVowel() && vowelAt(i).silent)
                ++i;
        }
        return {m_out, m_stressStart};
    }

private:
    bool isVowel(int i) const { return i >= 0 && i < m_phones.size() && m_phones[i].isVowel(); }
    QByteArray symbolAt(int i) const { return i >= 0 && i < m_phones.size() ? m_phones[i].symbol : QByteArray(); }
    bool isLastVowel(int i) const
    {
        for (int j = i + 1; j < m_phones.size(); ++j) {
            if (m_phones[j].isVowel())
                return false;
        }
        return true;
    }
    int vowelsAfter(int i) const
    {
        int count = 0;
        for (int j = i + 1; j < m_phones.size(); ++j)
            count += m_phones[j].isVowel() ? 1 : 0;
        return count;
    }
    int hintOrdinal(int i) const
    {
        int ordinal = 0;
        for (int j = 0; j < i; ++j)
            ordinal += m_phones[j].isVowel() ? 1 : 0;
        return ordinal;
    }
    VowelHint hintAt(int i) const
    {
        int ordinal = 0;
        for (int j = 0; j < i; ++j)
            ordinal += m_phones[j].isVowel() ? 1 : 0;
        return ordinal < m_hints.size() ? m_hints[ordinal] : VowelHint();
    }

    Vowel vowelAt(int i) const
    {
        const Phone &phone = m_phones[i];
        const VowelHint hint = hintAt(i);
        const QString &letters = hint.letters;
        const bool stressed = phone.stress > 0;
        // The CMU dictionary marks secondary stress as it marks the main one;
        // only the main stress lengthens a vowel.
        const bool strong = i == m_primary || (m_primary < 0 && stressed);
        const bool last = isLastVowel(i);
        const bool beforeVowel = isVowel(i + 1);
        // An r closing the vowel: car, more, air.
        const bool closingR = symbolAt(i + 1) == "r" && !isVowel(i + 2);
        const bool rEndsWord = closingR && i + 2 >= m_phones.size();
        const QByteArray &v = phone.symbol;
        Vowel out;
        out.takesR = closingR;
        if (hint.silent) {
            out.silent = true;
            return out;
        }
        if (v == "aa" && (letters == u"au" || letters == u"aw" || (letters == u"ou" && hint.after == u"ght"))) {
            out.column = 'o'; // auction オークション, bought ボート
            out.tail = u"ー"_s;
        } else if (v == "aa") {
            out.column = letters.startsWith(u'o') ? 'o' : 'a';
            // calm カーム, palm パーム: the a before a silent l is long.
            const bool silentL = letters == u"a" && hint.after.startsWith(u'l') && symbolAt(i + 1) != "l";
            out.tail = closingR || silentL || (last && !beforeVowel && out.column == 'a' && i + 1 >= m_phones.size())
                           ? u"ー"_s
                           : QString();
        } else if (v == "ae") {
            out.column = 'a';
        } else if (v == "ah") {
            out.column = 'a';
            if (closingR)
                out.tail = u"ー"_s;
        } else if (v == "ao") {
            out.column = 'o';
            if (closingR)
                out.tail = rEndsWord ? u"ア"_s : u"ー"_s;
            else if (letters != u"o")
                out.tail = u"ー"_s;
        } else if (v == "aw") {
            out.column = 'a';
            out.tail = closingR ? u"ワー"_s : (beforeVowel ? QString() : u"ウ"_s); // hour アワー, power パワー
        } else if (v == "ay") {
            out.column = 'a';
            out.tail = closingR ? u"イア"_s : u"イ"_s; // fire ファイア
        } else if (v == "eh") {
            // barracks バラックス: the a before r that American English reads as e.
            out.column = letters == u"a" && symbolAt(i + 1) == "r" && !closingR ? 'a' : 'e';
            if (closingR)
                out.tail = u"ア"_s;
        } else if (v == "er") {
            out.column = 'a';
            out.tail = stressed && !strong && !last ? QString() : u"ー"_s;

            if (!stressed && letters.startsWith(u'o') && i + 1 < m_phones.size()) {
                // information インフォメーション, record レコード; doctor ドクター
                out.column = 'o';
                if (!last)
                    out.tail.clear();
            }
        } else if (v == "ey") {
            out.column = 'e';
            out.tail = letters.contains(u'i') || letters.contains(u'y') || beforeVowel ? u"イ"_s : u"ー"_s;
        } else if (v == "ih" || v == "ax") {
            out.column = v == "ih" ? 'i' : 'a';
            // before ビフォー, decide: an unstressed open first syllable spelled e reads i;
            // explosion エクスプロージョン does not.
            // reflect リフレクト, decide ディサイド, before ビフォー
            const QByteArray onset = symbolAt(i - 1);
            const bool prefix = hintOrdinal(i) == 0 && letters == u"e" && !stressed && i == 1
                                && (onset == "r" || onset == "b");
            if (prefix) {
                out.column = 'i';
            } else if ((!stressed || m_reducedR.contains(i)) && !letters.isEmpty()) {
                QString l = letters;
                const QByteArray before = symbolAt(i - 1);
                // -tion ション, -cious シャス, patient ペイシェント
                if ((before == "sh" || before == "ch" || before == "jh" || before == "zh") && l.size() >= 2
                    && (l.front() == u'i' || l.front() == u'e'))
                    l.remove(0, 1);
                // cornering コーナリング: the er of the word before -ing.
                // interrupt インタラプト, reference レファレンス, recovery リカバリー:
                // the er of inter- and after f or v is read ア.
                const bool erAsA = m_reducedR.contains(i)
                                   && ((hintOrdinal(i) == 1 && m_spelling.startsWith(u"inter")) || before == "f"
                                       || before == "v");
                const bool beforeIng = erAsA
                                       || (m_reducedR.contains(i) && vowelsAfter(i) == 1
                                           && m_spelling.endsWith(u"ing"));
                if (hint.beforeFinalE && l.front() == u'a' && (symbolAt(i + 1) == "t" || symbolAt(i + 1) == "jh")) {
                    out.column = 'e'; // chocolate チョコレート, image イメージ
                    out.tail = u"ー"_s;
                } else {
                    out.column = reducedColumn(l, beforeIng, last && hint.after == u"l", out.column);
                }
                if (l == u"u" && symbolAt(i + 1) == "w")
                    out.column = 'u';
            }
            if (closingR)
                out.tail = v == "ih" ? u"ア"_s : u"ー"_s; // biosphere バイオスフィア
        } else if (v == "iy") {
            out.column = 'i';
            if ((strong || last) && !beforeVowel)
                out.tail = u"ー"_s;
            if (!stressed && last && letters == u"ay")
                out.column = 'e'; // friday フライデー
            if (closingR)
                out.tail = u"ア"_s;
        } else if (v == "ow") {
            out.column = 'o';
            if ((strong || (last && letters == u"ow")) && !beforeVowel)
                out.tail = u"ー"_s;
            if (letters == u"o" && hint.after.size() >= 2 && !last && !hint.after.startsWith(u'l'))
                out.tail.clear(); // program プログラム, poster ポスター
            if (closingR)
                out.tail = u"ー"_s;
        } else if (v == "oy") {
            out.column = 'o';
            out.tail = u"イ"_s;
        } else if (v == "uh") {
            out.column = 'u';
            if (closingR)
                out.tail = u"ア"_s;
        } else if (v == "uw") {
            out.column = 'u';
            if ((strong || last) && !beforeVowel)
                out.tail = u"ー"_s;
            if (closingR)
                out.tail = u"ア"_s;
        }
        // An open syllable two or more syllables from the end keeps its
        // vowel short: unity ユニティー, colonial コロニアル.
        if ((v == "iy" || v == "uw" || v == "ow") && out.tail == u"ー" && !last && isVowel(i + 2) && !isVowel(i + 1)
            && vowelsAfter(i) >= 2 && (symbolAt(i - 1) != "y" || i < 2) && !(i == 1 && v == "uw" && hint.after != u"n"))
            out.tail.clear();
        // A stressed last syllable closed by a consonant keeps its long
        // vowel: monotone モノトーン, lactose ラクトース.
        if ((v == "iy" || v == "uw" || v == "ow") && stressed && last && out.tail.isEmpty() && !beforeVowel
            && i + 1 < m_phones.size() && (v != "ow" || hint.beforeFinalE || letters == u"oa"))
            out.tail = u"ー"_s;
        // ュ before one consonant and a stressed vowel is long even unstressed:
        // musician ミュージシャン, humanity ヒューマニティー.
        if (v == "uw" && !stressed && symbolAt(i - 1) == "y" && i >= 2 && !isVowel(i - 2) && !isVowel(i + 1)
            && isVowel(i + 2) && m_phones[i + 2].stress > 0)
            out.tail = u"ー"_s;
        // A vowel spelt with two letters before r and a vowel keeps its
        // glide: fairy フェアリー, engineering エンジニアリング; very ベリー does not.
        if ((v == "eh" || v == "ih") && stressed && symbolAt(i + 1) == "r" && isVowel(i + 2) && letters.size() == 2
            && out.tail.isEmpty())
            out.tail = u"ア"_s;
        // The Latin -ium, -eum of chemistry reads ウム: sodium ソジウム, linoleum リノリウム.
        if (v == "ax" && last && letters == u"u" && hint.after == u"m" && isVowel(i - 1)
            && (hintAt(i - 1).letters == u"i" || hintAt(i - 1).letters == u"e"))
            out.column = 'u';
        // -meter keeps the vowel of the word meter: speedometer スピードメーター.
        if (v == "ax" && letters == u"e" && symbolAt(i - 1) == "m" && symbolAt(i + 1) == "t" && symbolAt(i + 2) == "er"
            && i + 3 == m_phones.size() && m_spelling.endsWith(u"meter"))
            out.tail = u"ー"_s;
        // -ine and -one away from the main stress are short, as the older
        // borrowings of chemistry have them: amphetamine アンフェタミン,
        // acetone アセトン.
        if (((v == "iy" && letters == u"i") || (v == "ow" && letters == u"o")) && hint.beforeFinalE && last && !strong
            && symbolAt(i + 1) == "n")
            out.tail.clear();
        out.shortVowel = out.tail.isEmpty() && !closingR && v != "er";
        return out;
    }

    // cat キャット, camp キャンプ: a stressed a after k or g is キャ where it
    // closes its syllable; calorie カロリー, cavern カバーン stay カ before one
    // consonant and a vowel, the open syllable of older borrowings.
    bool palatalA(const QByteArray &consonant, int vowel) const
    {
        if (m_phones[vowel].symbol != "ae" || m_phones[vowel].stress <= 0 || (consonant != "k" && consonant != "g"))
            return false;
        const bool open = !isVowel(vowel + 1) && vowel + 1 < m_phones.size() && isVowel(vowel + 2);
        return !open;
    }

    // A spelt x before a short i inside the word is キシ, its k taking the
    // i: mexican メキシカン, flexible フレキシブル; boxing ボクシング is not.
    bool xBeforeI(int i) const
    {
        if (m_phones[i].symbol != "k" || symbolAt(i + 1) != "s" || !isVowel(i + 2) || m_phones[i + 2].stress > 0
            || i + 3 >= m_phones.size() || isVowel(i + 3) || symbolAt(i + 3) == "ng" || !isVowel(i - 1))
            return false;
        const VowelHint next = hintAt(i + 2);
        return hintAt(i - 1).after == u"x" && next.letters == u"i" && next.after != u"sm";
    }

    // A z spelt s before a voiceless consonant or l is ス, as the spelling reads:
    // newspaper ニュースペーパー, translation トランスレーション.
    bool voicelessS(int i) const
    {
        static const QByteArrayList voicelessOrL = {"p", "t", "k", "f", "s", "sh", "ch", "th", "hh", "l"};
        if (m_phones[i].symbol != "z" || !voicelessOrL.contains(symbolAt(i + 1)))
            return false;
        int vowel = i - 1;
        while (vowel >= 0 && !isVowel(vowel))
            --vowel;
        const QString after = vowel >= 0 ? hintAt(vowel).after : QString();
        return after.contains(u's') && !after.contains(u'z');
    }

    // Writes the consonant (if any) and the vowel at `vowel`; returns the
    // index after what was written.
    int writeSyllable(const QByteArray &consonant, int vowel, bool palatal)
    {
        Vowel v = vowelAt(vowel);
        const int start = static_cast<int>(m_out.size());
        if (v.silent) {
            m_out += QString::fromUtf16(rowOf(consonant).alone);
            return vowel + 1;
        }
        if (palatalA(consonant, vowel))
            palatal = true;
        const VowelHint hint = hintAt(vowel);
        if (palatal && m_phones[vowel].symbol == "ax" && hint.letters.startsWith(u'u'))
            v.column = 'u'; // popular ポピュラー
        // natural ナチュラル, fortune フォーチュン; picture ピクチャー keeps its ア.
        if ((consonant == "ch" || consonant == "jh") && m_phones[vowel].symbol == "ax" && hint.letters == u"u"
            && !v.takesR)
            v.column = 'u';
        // news ニュース, duty デューティー, tube チューブ: the y that American English drops.
        if (m_phones[vowel].symbol == "uw" && (consonant == "n" || consonant == "d" || consonant == "t")
            && (hint.letters == u"ew" || hint.letters == u"eu" || hint.letters == u"u"))
            palatal = true;
        // -lution keeps the y of its u: solution ソリューション, evolution エボリューション.
        if (m_phones[vowel].symbol == "uw" && consonant == "l" && isVowel(vowel - 2) && hint.letters == u"u"
            && symbolAt(vowel + 1) == "sh")
            palatal = true;
        // quality クォリティ, watch ウォッチ; after a consonant the w keeps a spelt a (swan スワン, kilowatt
        // キロワット).
        const bool wAfterConsonant = consonant == "w" && vowel >= 2 && !isVowel(vowel - 2) && hint.letters == u"a";
        if ((consonant == "w" || consonant == "w~") && m_phones[vowel].symbol == "aa" && !wAfterConsonant)
            v.column = 'o';
        // season シーズン, seven セブン
        const bool finalN = vowel + 2 == m_phones.size() && symbolAt(vowel + 1) == "n";
        if (finalN && m_phones[vowel].symbol == "ax"
            && ((consonant == "z" && hint.letters == u"o") || (consonant == "v" && hint.letters == u"e")))
            v.column = 'u';
        m_out += syllable(consonant, v.column, palatal);
        m_out += v.tail;
        if (vowel == m_primary)
            m_stressStart = start;
        m_lastShort = v.shortVowel;
        m_lastVowel = vowel;
        return vowel + (v.takesR ? 2 : 1);
    }

    // The ss after the vowel before phone i is ッス where it is read sh
    // (mission ミッション) or ends a stem before a suffix (passive パッシブ,
    // professor プロフェッサー); inside a stem it is one s (classical
    // クラシカル, possible ポシブル).
    bool doubledSs(int i) const
    {
        if (hintAt(i - 1).after != u"ss")
            return false;
        if (m_phones[i].symbol == "sh")
            return true;
        QString rest;
        for (qsizetype k = hintOrdinal(i - 1) + 1; k < m_hints.size(); ++k)
            rest += m_hints[k].letters + m_hints[k].after;
        static const QStringList suffixes = {u"ing"_s, u"ive"_s, u"iv"_s, u"or"_s, u"er"_s, u"y"_s, u"ion"_s, u"ed"_s};
        return suffixes.contains(rest);
    }

    // The stop at phone i ends the word's stem but for an -s or -ed that
    // only inflects it, after a stressed short vowel: stops ストップス,
    // stopped ストップト, kicked キックト, as their stems are written.
    bool inflectedEnd(int i) const
    {
        const int n = static_cast<int>(m_phones.size());
        if (i + 2 != n || m_phones[i - 1].stress <= 0)
            return false;
        const QByteArray &last = m_phones[i + 1].symbol;
        if (last == "s")
            return m_spelling.endsWith(u"ps"_s) && m_phones[i].symbol == "p";
        return (last == "t" || last == "d") && m_spelling.endsWith(u"ed"_s);
    }

    // A stop after a short vowel is doubled where word books double it:
    // at the end of the word (cat キャット, bed ベッド, box ボックス) and
    // before a vowel where the spelling doubles it (happy ハッピー).
    void writeDoubled(int i)
    {
        if (i == 0 || !m_phones[i - 1].isVowel() || !m_lastShort || m_lastVowel != i - 1)
            return;
        if (m_out.isEmpty() || m_out.endsWith(u'ン') || m_out.endsWith(u'ー') || m_out.endsWith(u'ッ'))
            return;
        const QByteArray &c = m_phones[i].symbol;
        const bool voiceless = c == "p" || c == "t" || c == "k" || c == "ch" || c == "sh";
        const bool voiced = c == "d" || c == "g" || c == "jh";
        const Phone &before = m_phones[i - 1];
        const int n = static_cast<int>(m_phones.size());
        const QString after = hintAt(i - 1).after;
        bool doubled = false;
        if (voiceless || voiced) {
            const bool wordEnd = i + 1 == n
                                 || (i + 2 == n && m_phones[i + 1].symbol == "s" && voiceless && c != "p"
                                     && (before.stress > 0 || after == u"cs"
                                         || after == u"x")) // ceramics セラミックス, index インデックス
                                 || (i + 2 == n && m_phones[i + 1].symbol == "z" && voiced) || inflectedEnd(i);
            if (wordEnd)
                doubled = voiceless || before.stress > 0 || after == u"dg"
                          || (c == "d" && !hintAt(i - 1).letters.startsWith(u'a')); // acid アシッド
        }
        // Inside a word, where the spelling doubles the consonant after a
        // stressed short vowel: happy ハッピー, backing バッキング, mission
        // ミッション; and a stop that closes the first part of a compound:
        // batman バットマン, checkbook チェックブック.
        if (!doubled && before.stress > 0 && i + 1 < n) {
            const bool vowelNext = m_phones[i + 1].isVowel();
            const QByteArray next = m_phones[i + 1].symbol;
            if (vowelNext) {
                static const QStringList beforeVowel = {u"pp"_s, u"ck"_s, u"gg"_s, u"cc"_s, u"tch"_s};
                for (const QString &letters : beforeVowel)
                    doubled = doubled || after.startsWith(letters);
                if (after == u"ck" && i + 3 == n && m_phones[i + 2].symbol == "t")
                    doubled = false; // pocket ポケット, socket ソケット
                doubled = doubled && c != "s" && !(after == u"pp" && before.symbol == "ah");
                if (after == u"sh" || (after == u"tt" && before.symbol != "ah") || after == u"ff" || doubledSs(i))
                    doubled = true;
            } else if (c == "p" || c == "t" || c == "k" || c == "d" || c == "sh" || c == "ch") {
                static const QByteArrayList closeJoin = {"t", "s", "ch", "sh", "r", "l", "y", "w", "z", "th", "n"};
                doubled = !closeJoin.contains(next) || (next == "l" && after.startsWith(u"ck"));
                if (c == "sh" || c == "ch")
                    doubled = next == "m"; // establishment, attachment
            }
        }
        // -ish and what follows it: polishing ポリッシング, punishment パニッシュメント.
        if (c == "sh" && after == u"sh" && hintAt(i - 1).letters == u"i")
            doubled = true;
        if (doubled)
            m_out += u"ッ"_s;
    }

    QList<Phone> m_phones;
    int m_primary = -1;
    QList<VowelHint> m_hints;
    QString m_spelling;
    QList<int> m_reducedR; // vowels that were an er before a vowel
    QString m_out;
    int m_stressStart = -1;
    bool m_lastShort = false;
    int m_lastVowel = -1;
};

} // namespace

KanaReading toKatakana(const Pronunciation &pronunciation, QStringView spelling)
{
    return Writer(pronunciation, spelling).write();
}

bool isSmallVowelKana(QChar kana)
{
    static const QString small = u"ァィゥェォャュョヮ"_s;
    return small.contains(kana);
}

int stressLength(QStringView kana, int start)
{
    return start + 1 < kana.size() && isSmallVowelKana(kana[start + 1]) ? 2 : 1;
}

QString foldKana(QStringView kana)
{
    static const QString small = u"ァィゥェォャュョヮヵヶ"_s;
    static const QString large = u"アイウエオヤユヨワカケ"_s;
    QString folded;
    folded.reserve(kana.size());
    for (const QChar c : kana) {
        if (c == u'ー' || c == u'ッ' || c == u'・' || c == u'＝' || c == u' ')
            continue;
        const qsizetype index = small.indexOf(c);
        folded.append(index >= 0 ? large[index] : c);
    }
    return folded;
}

} // namespace lexiwren::maker
