// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Choosing between our rules' katakana and the spellings a Japanese
// dictionary gives for the same English word: the dictionary's wins when it
// is a rendering of the same word (コンピューター for our コンピュータ), never
// when it is another word glossed alike (マスト for necessary).
#pragma once

#include "Katakana.h"

#include <QStringList>

namespace lexiwren::maker {

// How far two readings are apart once folded (no ー, ッ, small kana as
// large): the edit distance over the longer folded length, 0 to 1.
double kanaDistance(QStringView a, QStringView b);

// Whether a dictionary spelling renders the same word as our rules' reading.
bool sameWord(QStringView rules, QStringView dictionary);

// Whether `older` is `newer` with one or more of its small kana written
// large, as older loans did (ウエット for ウェット).
bool smallKanaWrittenLarge(QStringView older, QStringView newer);

// The candidate closest to the rules' reading that sameWord() accepts, with
// the stressed kana carried over onto it; the rules' reading itself when none
// is accepted. *fromDictionary says whether a candidate was taken.
KanaReading chooseSpelling(const KanaReading &rules, const QStringList &candidates, bool *fromDictionary);

// Where kana `index` of `from` falls in `to`, by the two readings' alignment.
int mapKanaIndex(QStringView from, QStringView to, int index);

// How many kana of `to` the alignment puts before kana `index` of `from`
// (all of them when index is past the end): where `from` cut there cuts `to`.
int kanaBefore(QStringView from, QStringView to, int index);

} // namespace lexiwren::maker
