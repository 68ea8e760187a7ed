// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shuffled copy of the card table that the random drills run over.
#pragma once

#include "Card.h"

namespace lexiwren {

class RandomSource;

// A fixed number of random row swaps, whatever the deck's size.
inline constexpr int SwapCount = 21;

// Copies rows 0 to cardCount inclusive: the loaded cards and the row after them.
void copyRows(const CardTable &from, CardTable &to, qint16 cardCount, qint16 &cardIndex, qint16 &fieldIndex);

// A row index below cardCount drawn as floor(cardCount × r) in single precision;
// 0 when there are no cards.
int drawRow(qint16 cardCount, RandomSource &random);

// Swaps SwapCount pairs of rows drawn with drawRow, field by field.
void shuffleRows(CardTable &rows, qint16 cardCount, RandomSource &random, qint16 &cardIndex, qint16 &fieldIndex);

// For the extras' whole-deck shuffle: every order of rows 0 to cardCount - 1
// equally likely (Fisher-Yates, from the last row down, each swapped with a
// row drawn with drawRow among those not yet placed). cardCount - 1 draws;
// the row after the last card stays where it is.
void shuffleAllRows(CardTable &rows, qint16 cardCount, RandomSource &random, qint16 &cardIndex, qint16 &fieldIndex);

} // namespace lexiwren
