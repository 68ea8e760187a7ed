// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's fixed layout as data: one row per control.
#pragma once

#include "Fonts.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

namespace lexiwren {

inline constexpr int TwipsPerPixel = 15;
inline constexpr QSize ClientSize{1031, 695}; // 15465 × 10425 twips
inline const QColor FormBackground{0x00, 0x80, 0x00};

enum class ControlKind {
    AutoSizeLabel, // takes the size of its text at its top-left corner
    WrappingLabel,
    CardLabel, // one centred line of card text on an opaque background
    Button,
    CheckBox,
    SpeedBox,
    FileList,
    Picture,
};

struct ControlRow
{
    const char *name;
    ControlKind kind;
    QString text;
    QRect twips;       // left, top, width, height; inside Picture1 for its children
    QColor background; // invalid: the toolkit's own
    QColor textColor;  // invalid: the toolkit's own
    FontFace face;
    qreal points;
    bool italic = false;
};

// Controls placed on the window, in the order they are made.
const QList<ControlRow> &windowControls();
// The card labels inside Picture1, from the bottom of the stack to the top.
const QList<ControlRow> &pictureControls();

struct LineRow
{
    const char *name;
    int x1;
    int x2;
};
// The red accent lines inside Picture1, all at the same height and width.
inline constexpr int AccentLineY = 160;
inline constexpr int AccentLineWidth = 5;
inline const QColor AccentLineColor{0xFF, 0x00, 0x00};
const QList<LineRow> &accentLines();

// The pause mark of the extras, in pixels of Picture1: in the header's strip,
// between the card number and the total.
inline constexpr int PauseMarkX = 420;
inline constexpr int PauseMarkY = 35;

// Focus order among the controls that take focus.
const QList<const char *> &focusOrder();

constexpr QRect toPixels(const QRect &twips)
{
    return {twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel, twips.width() / TwipsPerPixel,
            twips.height() / TwipsPerPixel};
}

} // namespace lexiwren
