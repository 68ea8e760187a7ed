// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A word's pronunciation in the CMU dictionary's phones, as the katakana rules
// read it, whichever source gave it.
#pragma once

#include <QByteArray>
#include <QList>

namespace lexiwren::maker {

struct Phone
{
    QByteArray symbol; // lower case, as the CMU dictionary writes it: "aa", "k", "sh"
    int stress = -1;   // vowels 0 (unstressed) or 1 (stressed); consonants -1

    bool isVowel() const { return stress >= 0; }
    friend bool operator==(const Phone &, const Phone &) = default;
};

struct Pronunciation
{
    QList<Phone> phones;
    int primary = -1; // the phone carrying the main stress, -1 while not known

    // The stressed vowels, by index into phones.
    QList<int> stressedVowels() const;
    // How many vowels come before phone `index`.
    int vowelOrdinal(int index) const;
    bool isEmpty() const { return phones.isEmpty(); }
};

// Whether a phone symbol is one of the CMU dictionary's vowels.
bool isVowelSymbol(QByteArrayView symbol);

} // namespace lexiwren::maker
