// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The card table: what a question file becomes once it is loaded.
#pragma once

#include <QString>

#include <array>

namespace lexiwren {

// The tables have 100 rows although a load keeps at most 99 cards: the row
// after the last card is read by the shuffled copy and by an interrupted drill.
inline constexpr int TableRows = 100;
inline constexpr int MaxCards = 99;

enum Field { EnglishField = 0, ReadingField = 1, AccentField = 2, MeaningField = 3 };
inline constexpr int FieldsPerCard = 4;

using Card = std::array<QString, FieldsPerCard>;
using CardTable = std::array<Card, TableRows>;
using LineTable = std::array<QString, TableRows>;

} // namespace lexiwren
