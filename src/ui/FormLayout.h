// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's fixed layout as data: one row per control.
#pragma once

#include "Fonts.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

#include <variant>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace lexiwren {

class AccentLine;
class CardLabel;
class FileList;
class Form1;
class PictureBox;
class WrappingLabel;

inline constexpr int TwipsPerPixel = 15;
inline constexpr QSize ClientSize{1031, 695}; // 15465 × 10425 twips
inline const QColor FormBackground{0x00, 0x80, 0x00};

// One of the two direction captions, Label3(0) and Label3(1).
struct Label3Element
{
    QLabel *(Form1::*array)[2];
    int index;
};

// The Form1 member that holds a control; its type says what the control is.
// A plain QLabel takes the size of its text at its top-left corner; a
// QPushButton is a command button with a coloured face; a QComboBox is the
// editable speed box.
using ControlMember = std::variant<QLabel * Form1::*, Label3Element, WrappingLabel * Form1::*, CardLabel * Form1::*,
                                   QPushButton * Form1::*, QCheckBox * Form1::*, QComboBox * Form1::*,
                                   FileList * Form1::*, PictureBox * Form1::*>;

struct ControlRow
{
    const char *name;
    ControlMember member;
    QString text;
    QRect twips;       // left, top, width, height; inside Picture1 for its children
    QColor background; // a command button's face
    QColor textColor;
    FontFace face;
    qreal points;
    bool italic = false;
};

// Controls placed on the window, in the order they are made.
const QList<ControlRow> &windowControls();
// The card labels inside Picture1, from the bottom of the stack to the top,
// then the extras' pause mark.
const QList<ControlRow> &pictureControls();

struct LineRow
{
    const char *name;
    AccentLine *Form1::*member;
    int x1;
    int x2;
};
// The red accent lines inside Picture1, all at the same height and width.
inline constexpr int AccentLineY = 160;
inline constexpr int AccentLineWidth = 5;
inline const QColor AccentLineColor{0xFF, 0x00, 0x00};
const QList<LineRow> &accentLines();

// The review mark of the card in view, in pixels of Picture1: right of the
// pause mark, left of the lap.
inline constexpr int ReviewMarkX = 580;
inline constexpr int ReviewMarkY = 35;

constexpr QRect toPixels(const QRect &twips)
{
    return {twips.x() / TwipsPerPixel, twips.y() / TwipsPerPixel, twips.width() / TwipsPerPixel,
            twips.height() / TwipsPerPixel};
}

} // namespace lexiwren
