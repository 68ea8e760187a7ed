// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The katakana reading with the red accent mark under its stressed part.
#pragma once

#include "DrillView.h"
#include "deck/Card.h"

namespace lexiwren {

struct AccentSpan
{
    float x1 = 0.0f;
    float x2 = 0.0f;
};

// The first character of the accent code, read as a digit, picks the character
// the mark starts under (0 for anything else); a code whose whole value is above
// 10 makes the mark two characters long. Characters past the end of the reading
// continue at the width of one full-width character.
AccentSpan accentSpan(const ReadingGeometry &geometry, QStringView accentCode);

// Shows the row's reading and places the mark under it.
void ShowReading(DrillView &view, const Card &row);

} // namespace lexiwren
