// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// espeak-ng's English (en-us) letter-to-sound rules, for words the CMU
// dictionary lacks and for the main stress where the CMU dictionary marks
// several syllables alike. espeak-ng keeps global state and is not safe from
// several threads: every call here takes one process-wide lock, and the
// library starts on the first call.
#pragma once

#include "Pronunciation.h"

#include <QString>

#include <optional>

namespace lexiwren::maker::espeak {

// The word's phonemes as espeak-ng's mnemonics ("k@mpj'u:t#3"), empty when
// espeak-ng could not start.
QByteArray phonemes(const QString &word);

// espeak-ng's mnemonics as the CMU dictionary's phones, with the primary
// stress ('), secondary stress (,) counting as stressed.
Pronunciation fromMnemonics(QByteArrayView mnemonics);

// The word read by espeak-ng; nothing when espeak-ng could not start or
// found no vowel in it.
std::optional<Pronunciation> pronounce(const QString &word);

} // namespace lexiwren::maker::espeak
