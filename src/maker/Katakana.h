// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Our rules for writing an English pronunciation in the katakana that a
// Japanese learner's word book prints: コンピューター, キャット, ウォーター.
// The spelling, when given, guides what the pronunciation leaves open: the
// vowel behind a reduced one (lemon レモン), a short o (hot ホット), a doubled
// consonant (happy ハッピー), a silent -le (apple アップル).
#pragma once

#include "Pronunciation.h"

#include <QString>

namespace lexiwren::maker {

struct KanaReading
{
    QString kana;
    int stressStart = -1; // the kana that begins the main stress's sound, -1 when not known
};

// The pronunciation in katakana. spelling is the English word, in any case;
// it may be empty.
KanaReading toKatakana(const Pronunciation &pronunciation, QStringView spelling);

// How many kana an accent mark starting at `start` covers: two when the
// sound is written with a small kana (キャ, ティ, ピュ, ウォ), else one.
int stressLength(QStringView kana, int start);

// Whether a kana is one of the small vowel kana that join the one before it.
bool isSmallVowelKana(QChar kana);

// The kana compared loosely: no ー, no ッ, small kana as large ones.
QString foldKana(QStringView kana);

} // namespace lexiwren::maker
