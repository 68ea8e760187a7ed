// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's three Japanese faces, sized in pixels at 96 dpi so that the
// fixed pixel layout holds whatever the screen's dpi setting.
#pragma once

#include <QFont>

namespace lexiwren {

enum class FontFace {
    Gothic,             // proportional Gothic: most controls and the drawn header
    ProportionalMincho, // the English word
    Mincho,             // the reading: fixed-width, so each katakana takes one cell
};

// The wanted faces that are installed, in the order given; if there are
// none, any installed face that covers Japanese, with a warning.
QStringList installedFamilies(const QStringList &wanted);

// Points at 96 dpi: 12 pt is 16 pixels.
int pixelsForPoints(qreal points);

QFont makeFont(FontFace face, qreal points, bool italic = false);

} // namespace lexiwren
