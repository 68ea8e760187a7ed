// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// One drafted card of the question-file maker, and why the learner should
// check it.
#pragma once

#include <QList>
#include <QString>

namespace lexiwren::maker {

// Why a drafted line needs the learner's eye.
enum class Flag {
    NotInDictionaries,     // neither the pronouncing dictionary nor espeak-ng's rules gave a reading
    ReadFromRules,         // not in the pronouncing dictionary: espeak-ng's letter-to-sound rules read it
    SeveralPronunciations, // record, read: the first was taken
    StressApproximate,     // the stressed kana was placed by a guess (no primary stress, a phrase)
    StressOutOfReach,      // the stressed kana lies past what an accent code can mark
    NoMeaning,             // the Japanese dictionary had no meaning for it
    SpellingDiffers,       // the Japanese dictionary spells the loanword otherwise than the rules
};

// The learner's words for a flag, in Japanese.
QString flagText(Flag flag);

struct Draft
{
    QString english; // as the learner typed it, trimmed
    QString reading; // katakana
    QString accent;  // in the question file's own code
    QString meaning; // at most two meanings joined with "、"
    QList<Flag> flags;
};

} // namespace lexiwren::maker
