// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Japanese meaning a learner expects for an English word, and the
// katakana that EDICT spells an English loanword with, both found through
// EDICT's English glosses.
#pragma once

#include "Edict.h"
#include "Kanjidic.h"
#include "WordUsage.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace lexiwren::maker {

// What an inflected form says about the word it comes from.
enum class WordForm {
    AsTyped,     // no inflection taken off
    VerbForm,    // went, studied, running: a verb
    SOrEs,       // cries, boxes: a plural or a verb's third person
    Comparative, // bigger, happiest: an adjective
};

struct BaseForm
{
    QString word;
    WordForm form = WordForm::AsTyped;
};

// The word an inflected form comes from (fought → fight, children → child,
// studied → study, bigger → big): irregular forms from a table, the rest by
// rule, the first candidate that exists wins. Null when the word does not
// look inflected or no candidate exists. word is lower case.
std::optional<BaseForm> baseForm(const QString &word, const std::function<bool(const QString &)> &exists);

// The plain past of a verb in EDICT's parts of speech, as a word book gives
// an adjective that names a state (疲れる v1 → 疲れた, 驚く v5k → 驚いた,
// 退屈 vs → 退屈した); empty for a verb whose past is irregular (来る, 問う).
QString plainPast(const QString &verb, const QStringList &partsOfSpeech);

class MeaningFinder
{
public:
    // grades, when given and not empty, lets words of early-taught kanji
    // rank higher; usage, the parts of speech the English word is mostly used
    // as. Both must outlive the finder.
    explicit MeaningFinder(const Edict &edict, const KanjiGrades *grades = nullptr, const WordUsage *usage = nullptr);

    // At most two meanings, the likeliest first; empty when EDICT has none.
    QStringList meanings(QStringView wordOrPhrase) const;

    // Which of a loanword's spellings to give: the common entries' where
    // there are any, as a word book prints レストラン and not レストラント
    // (else every one); the common entries' alone; or every one.
    enum class Spellings { PreferCommon, CommonOnly, All };

    // Katakana spellings of word as an English loanword, the likeliest first:
    // katakana-only entries glossed by it, except senses from another language
    // or made in Japan.
    QStringList loanwordSpellings(QStringView word, Spellings which = Spellings::PreferCommon) const;

private:
    const Edict &m_edict;
    const KanjiGrades *m_grades = nullptr;
    const WordUsage *m_usage = nullptr;
};

} // namespace lexiwren::maker
