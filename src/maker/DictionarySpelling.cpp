// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DictionarySpelling.h"

#include <QList>

#include <algorithm>
#include <iterator>

namespace lexiwren::maker {

using namespace Qt::StringLiterals;

namespace {

// The consonant row of a kana (カキクケコ share one), -1 for a vowel or a
// kana outside the rows.
int consonantRow(QChar kana)
{
    static const QString rows[] = {u"カキクケコ"_s, u"ガギグゲゴ"_s, u"サシスセソ"_s, u"ザジズゼゾ"_s, u"タチツテト"_s,
                                   u"ダヂヅデド"_s, u"ナニヌネノ"_s, u"ハヒフヘホ"_s, u"バビブベボ"_s, u"パピプペポ"_s,
                                   u"マミムメモ"_s, u"ヤユヨ"_s,     u"ラリルレロ"_s, u"ワヲ"_s};
    for (int row = 0; row < int(std::size(rows)); ++row)
        if (rows[row].contains(kana))
            return row;
    return -1;
}

// In halves: a kana of the same consonant with another vowel (コ for ク,
// レ for ラ) is half a difference, since the rules guess reduced vowels
// (チョークラット for チョコレート, レスタラント for レストラン).
int looseDistance(QStringView a, QStringView b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(2 * j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(2 * i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int up = row[j];
            const QChar x = a[i - 1];
            const QChar y = b[j - 1];
            const int pair = x == y ? 0 : (consonantRow(x) >= 0 && consonantRow(x) == consonantRow(y) ? 1 : 2);
            row[j] = std::min({up + 2, row[j - 1] + 2, diagonal + pair});
            diagonal = up;
        }
    }
    return row[b.size()];
}

int editDistance(QStringView a, QStringView b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int up = row[j];
            row[j] = std::min({up + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// The cost of pairing two kana in the alignment: the same kana or the same
// once folded costs nothing or little; ー, ッ and small kana are cheap to drop.
int substitution(QChar a, QChar b)
{
    if (a == b)
        return 0;
    return foldKana(QString(a)) == foldKana(QString(b)) ? 1 : 3;
}

int gapCost(QChar c)
{
    return c == u'ー' || c == u'ッ' || isSmallVowelKana(c) ? 1 : 2;
}

} // namespace

double kanaDistance(QStringView a, QStringView b)
{
    const QString fa = foldKana(a);
    const QString fb = foldKana(b);
    const qsizetype longest = std::max(fa.size(), fb.size());
    if (longest == 0)
        return 0.0;
    return static_cast<double>(editDistance(fa, fb)) / static_cast<double>(longest);
}

namespace {

// Kana that write one English sound two ways, each folded to one of them.
// Older loans wrote the sounds Japanese lacked with its own kana (コーヒー,
// ラジオ, ミルクティー's チ in チーム's day); the rules write the newer ones.
// The a of cat is キャ or カ and the a after w ウォ (older ウオ) or ワ in
// loans of either age (キャリー, カロリー; スワップ), where the rules can only
// guess.
QString soundClass(QStringView kana)
{
    static const std::pair<QStringView, QStringView> pairs[] = {
        {u"フィ", u"ヒ"}, {u"フェ", u"ヘ"}, {u"ティ", u"チ"}, {u"ディ", u"ジ"}, {u"ヴ", u"ブ"},
        {u"キャ", u"カ"}, {u"ギャ", u"ガ"}, {u"ウォ", u"ワ"}, {u"ウオ", u"ワ"},
    };
    QString out = kana.toString();
    for (const auto &[newer, older] : pairs)
        out.replace(newer.toString(), older.toString());
    return out;
}

} // namespace

bool sameWord(QStringView rules, QStringView dictionary)
{
    const QString fa = foldKana(soundClass(rules));
    const QString fb = foldKana(soundClass(dictionary));
    if (fa.isEmpty() || fb.isEmpty())
        return false;
    // A short word must match closely; one kana in three may differ in a
    // long one (メイル and メール, コンピュータ and コンピューター), and a
    // vowel alone counts half.
    const int halves = looseDistance(fa, fb);
    const qsizetype longest = std::max(fa.size(), fb.size());
    return halves <= 2 * std::max<qsizetype>(1, longest / 3) && (halves <= 2 || fa.front() == fb.front());
}

bool smallKanaWrittenLarge(QStringView older, QStringView newer)
{
    if (older.size() != newer.size() || older == newer)
        return false;
    for (qsizetype i = 0; i < older.size(); ++i)
        if (older[i] != newer[i] && !(isSmallVowelKana(newer[i]) && foldKana(newer.sliced(i, 1)) == older[i]))
            return false;
    return true;
}

namespace {

// Walks back the cheapest alignment of two readings. index: the kana of `to`
// paired with from[index], or the next one of `to` when from[index] was
// dropped; *before: how many kana of `to` come before from[index].
int alignKana(QStringView from, QStringView to, int index, int *before)
{
    const qsizetype n = from.size();
    const qsizetype m = to.size();
    // cost[i][j]: aligning from[..i] with to[..j].
    QList<QList<int>> cost(n + 1, QList<int>(m + 1, 0));
    for (qsizetype i = 1; i <= n; ++i)
        cost[i][0] = cost[i - 1][0] + gapCost(from[i - 1]);
    for (qsizetype j = 1; j <= m; ++j)
        cost[0][j] = cost[0][j - 1] + gapCost(to[j - 1]);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            cost[i][j] = std::min({cost[i - 1][j - 1] + substitution(from[i - 1], to[j - 1]),
                                   cost[i - 1][j] + gapCost(from[i - 1]), cost[i][j - 1] + gapCost(to[j - 1])});
        }
    }
    qsizetype i = n;
    qsizetype j = m;
    int mapped = -1;
    *before = -1;
    while (i > 0 || j > 0) {
        if (i > 0 && j > 0 && cost[i][j] == cost[i - 1][j - 1] + substitution(from[i - 1], to[j - 1])) {
            if (i - 1 == index) {
                *before = static_cast<int>(j - 1);
                return static_cast<int>(j - 1);
            }
            --i;
            --j;
        } else if (i > 0 && cost[i][j] == cost[i - 1][j] + gapCost(from[i - 1])) {
            if (i - 1 == index) {
                mapped = static_cast<int>(std::min(j, m - 1));
                *before = static_cast<int>(j);
            }
            --i;
        } else {
            --j;
        }
    }
    return mapped;
}

} // namespace

int mapKanaIndex(QStringView from, QStringView to, int index)
{
    if (from == to || index < 0)
        return index;
    int before = 0;
    return alignKana(from, to, index, &before);
}

int kanaBefore(QStringView from, QStringView to, int index)
{
    if (from == to || index < 0)
        return index;
    if (index >= from.size())
        return static_cast<int>(to.size());
    int before = 0;
    alignKana(from, to, index, &before);
    return before;
}

KanaReading chooseSpelling(const KanaReading &rules, const QStringList &candidates, bool *fromDictionary)
{
    if (fromDictionary)
        *fromDictionary = false;
    const QString *best = nullptr;
    double bestDistance = 2.0;
    for (const QString &candidate : candidates) {
        if (!sameWord(rules.kana, candidate))
            continue;
        // Folded first; the exact spelling breaks a tie.
        const double distance = kanaDistance(rules.kana, candidate)
                                + 0.001 * editDistance(rules.kana, candidate)
                                      / static_cast<double>(std::max<qsizetype>(1, candidate.size()));
        if (distance < bestDistance) {
            best = &candidate;
            bestDistance = distance;
        }
    }
    if (!best)
        return rules;
    if (fromDictionary)
        *fromDictionary = true;
    KanaReading chosen;
    chosen.kana = *best;
    chosen.kana.remove(u'・');
    chosen.stressStart = rules.stressStart < 0 ? -1 : mapKanaIndex(rules.kana, chosen.kana, rules.stressStart);
    // The mark belongs on a kana that carries a vowel.
    while (chosen.stressStart > 0
           && (chosen.kana[chosen.stressStart] == u'ー' || chosen.kana[chosen.stressStart] == u'ッ'
               || chosen.kana[chosen.stressStart] == u'ン' || isSmallVowelKana(chosen.kana[chosen.stressStart])))
        --chosen.stressStart;
    return chosen;
}

} // namespace lexiwren::maker
