// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading and accent code of a drafted card: the pronunciation from the
// CMU dictionary (espeak-ng for words it lacks, and for the main stress where
// it marks several syllables alike), written in katakana by our rules, or in
// the Japanese dictionary's spelling when that renders the same word.
//
// The accent code marks the kana that begins the stressed syllable, two kana
// when that sound is written with a small kana (キャ, ピュ, ウォ) and never the
// ー of a long vowel: computer コンピューター "23", cat キャット "+12",
// information インフォメーション "4". A phrase is read word by word and written
// without spaces (give up ギブアップ), its mark on the first word that is not
// a function word.
#pragma once

#include "CmuDictionary.h"
#include "Draft.h"
#include "Katakana.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace lexiwren::maker {

struct ReadingDraft
{
    QString reading;             // katakana; empty when nothing could read the word
    QString accent;              // the question file's accent code; "0" with StressOutOfReach past the tenth kana
    QList<Flag> flags;           // any of NotInDictionaries, ReadFromRules, SeveralPronunciations,
                                 // StressApproximate, StressOutOfReach, SpellingDiffers
    int stressStart = -1;        // the kana the accent code marks from, -1 when not known
    bool fromDictionary = false; // the reading is one of the dictionary spellings offered
};

class ReadingDrafter
{
public:
    struct Options
    {
        bool useEspeak = true; // off: words the CMU dictionary lacks stay unread, stress is guessed
    };

    explicit ReadingDrafter(CmuDictionary cmu, Options options);
    explicit ReadingDrafter(CmuDictionary cmu)
        : ReadingDrafter(std::move(cmu), Options{})
    {
    }

    // Reads the CMU dictionary at cmuPath; null with a Japanese message in
    // *error when it cannot. espeak-ng starts on the first word that needs it.
    static std::unique_ptr<ReadingDrafter> load(const QString &cmuPath, QString *error);

    // One word or phrase as the learner typed it. dictionaryKatakana are the
    // Japanese dictionary's katakana spellings glossed by this English word;
    // the closest one that renders the same word is taken (flagged
    // SpellingDiffers when it is not what the rules wrote). Safe to call from
    // one thread at a time.
    // usualPart, when known, is the part of speech the word is mostly used
    // as, in the CMU dictionary's letters ("n", "v", "j" for an adjective):
    // of a word said two ways it picks the pronunciation (minute the noun,
    // not the adjective).
    ReadingDraft draftReading(const QString &wordOrPhrase, const QStringList &dictionaryKatakana = {},
                              const QByteArray &usualPart = {}) const;

    // Our rules alone for one word, before any dictionary spelling.
    KanaReading rulesReading(const QString &word, QList<Flag> *flags, const QByteArray &usualPart = {}) const;

    // draftReading() from the rules' reading already made, with the flags
    // it raised: for a caller that offers spellings twice (the word's own,
    // then its parts') without reading the word again.
    static ReadingDraft draftFrom(const KanaReading &rules, QList<Flag> flags, const QStringList &dictionaryKatakana);

    const CmuDictionary &cmu() const { return m_cmu; }

private:
    KanaReading readWord(const QString &word, QList<Flag> *flags, bool allowParts,
                         const QByteArray &usualPart = {}) const;
    KanaReading writeWord(const Pronunciation &pronunciation, const QString &word) const;
    Pronunciation withPrimary(Pronunciation pronunciation, const QString &word, QList<Flag> *flags) const;

    CmuDictionary m_cmu;
    Options m_options;
};

} // namespace lexiwren::maker
