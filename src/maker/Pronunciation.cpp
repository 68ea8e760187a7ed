// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pronunciation.h"

#include <array>

namespace lexiwren::maker {

bool isVowelSymbol(QByteArrayView symbol)
{
    static constexpr std::array<const char *, 16> vowels = {"aa", "ae", "ah", "ao", "aw", "ax", "ay", "eh",
                                                            "er", "ey", "ih", "iy", "ow", "oy", "uh", "uw"};
    for (const char *vowel : vowels) {
        if (symbol == QByteArrayView(vowel))
            return true;
    }
    return false;
}

QList<int> Pronunciation::stressedVowels() const
{
    QList<int> stressed;
    for (int i = 0; i < phones.size(); ++i) {
        if (phones[i].stress > 0)
            stressed.append(i);
    }
    return stressed;
}

int Pronunciation::vowelOrdinal(int index) const
{
    int ordinal = 0;
    for (int i = 0; i < index && i < phones.size(); ++i) {
        if (phones[i].isVowel())
            ++ordinal;
    }
    return ordinal;
}

} // namespace lexiwren::maker
