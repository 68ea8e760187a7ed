// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How familiar each kanji is, from KANJIDIC: the school grade it is taught
// in and its rank among the kanji of newspapers. EDICT says nothing of how
// often a word is used; a headword of early-taught kanji is the likelier
// everyday word (家 before 宿, 答え before 応ずる).
#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringView>

namespace lexiwren::maker {

class KanjiGrades
{
public:
    KanjiGrades() = default;
    // KANJIDIC's lines in EUC-JP: the kanji, then fields such as "G2" (taught
    // in the second school year; 8 the rest of the everyday kanji, 9 and 10
    // those for names) and "F133" (the 133rd most frequent in newspapers).
    explicit KanjiGrades(const QByteArray &eucJpBytes);

    bool isEmpty() const { return m_levels.isEmpty(); }
    qsizetype size() const { return m_levels.size(); }

    // 1 to 6 for the school years, 7 for the rest of the everyday kanji,
    // 8 for a kanji of names only, 9 for one in none of these lists.
    int level(char16_t kanji) const;

    // How far a headword is from an early learner's words, from its least
    // familiar kanji: 0 with none (kana only) or when no table is loaded.
    int headwordLevel(QStringView headword) const;

private:
    QHash<char16_t, int> m_levels;
};

} // namespace lexiwren::maker
