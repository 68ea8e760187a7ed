// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shuffle.h"

#include "platform/RandomSource.h"

#include <cmath>
#include <utility>

namespace lexiwren {

void copyRows(const CardTable &from, CardTable &to, qint16 cardCount, qint16 &cardIndex, qint16 &fieldIndex)
{
    const qint16 last = qMin(cardCount, static_cast<qint16>(TableRows - 1));
    for (cardIndex = 0; cardIndex <= last; ++cardIndex) {
        for (fieldIndex = 0; fieldIndex < FieldsPerCard; ++fieldIndex)
            to[cardIndex][fieldIndex] = from[cardIndex][fieldIndex];
    }
}

int drawRow(qint16 cardCount, RandomSource &random)
{
    const float product = static_cast<float>(cardCount) * random.next();
    const int row = static_cast<int>(std::floor(product));
    // A source that strays to 1.0, or a product rounded up, must not reach
    // past the last card.
    return qBound(0, row, qMax(0, cardCount - 1));
}

void shuffleRows(CardTable &rows, qint16 cardCount, RandomSource &random, qint16 &cardIndex, qint16 &fieldIndex)
{
    for (cardIndex = 0; cardIndex < SwapCount; ++cardIndex) {
        const int a = drawRow(cardCount, random);
        const int b = drawRow(cardCount, random);
        for (fieldIndex = 0; fieldIndex < FieldsPerCard; ++fieldIndex)
            std::swap(rows[a][fieldIndex], rows[b][fieldIndex]);
    }
}

void shuffleAllRows(CardTable &rows, qint16 cardCount, RandomSource &random, qint16 &cardIndex, qint16 &fieldIndex)
{
    const qint16 count = qMin(cardCount, static_cast<qint16>(TableRows - 1));
    for (cardIndex = static_cast<qint16>(count - 1); cardIndex > 0; --cardIndex) {
        const int other = drawRow(static_cast<qint16>(cardIndex + 1), random);
        for (fieldIndex = 0; fieldIndex < FieldsPerCard; ++fieldIndex)
            std::swap(rows[cardIndex][fieldIndex], rows[other][fieldIndex]);
    }
}

} // namespace lexiwren
