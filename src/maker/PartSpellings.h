// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Spellings for a word the Japanese dictionary lacks, made from the
// dictionary's spellings of its parts: an inflected or derived word keeps its
// stem's spelling (parents ペアレンツ from ペアレント, quilting キルティング from
// キルト), a compound joins its two words' (newspaper ニュースペーパー). The
// reading drafter still decides whether such a spelling renders the word.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lexiwren::maker {

class ReadingDrafter;

class PartSpellings
{
public:
    // spellingsOf gives the dictionary's katakana spellings of one English
    // word, best first (empty when it has none).
    using SpellingsOf = std::function<QStringList(const QString &word)>;

    PartSpellings(const ReadingDrafter &readings, SpellingsOf spellingsOf);

    // Candidate spellings of one word (no spaces) from its parts, given our
    // rules' reading of the whole word; empty when no part has a dictionary
    // spelling that renders it.
    QStringList spellings(const QString &word, const QString &wholeReading) const;

private:
    // The dictionary's spelling of a part as the reading drafter would take
    // it, or empty when it has none that renders the part.
    QString partSpelling(const QString &part, QString *rules) const;

    const ReadingDrafter &m_readings;
    SpellingsOf m_spellingsOf;
};

} // namespace lexiwren::maker
