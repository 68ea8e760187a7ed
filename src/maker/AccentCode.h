// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The accent code of a question file for a mark under chosen kana, written
// by the same rule the drill reads it with: the code's first character picks
// the kana (0 to 9), and a code above 10 makes the mark two kana long.
#pragma once

#include <QString>

namespace lexiwren::maker {

// The code that marks `length` (1 or 2) kana from kana `start`: "0", "4",
// "+12" (the first two), "23", "910" (the tenth and eleventh). Empty when no
// code reaches them (start past 9).
QString accentCode(int start, int length);

// Whether the drill, reading `code`, marks exactly kana start .. start+length-1
// of a reading drawn one cell per character.
bool accentCodeMarks(QStringView code, int start, int length);

} // namespace lexiwren::maker
