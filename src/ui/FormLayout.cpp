// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormLayout.h"

#include "Form1.h"

namespace lexiwren {

namespace {
// What the layout calls default: black text on white.
const QColor Black{0x00, 0x00, 0x00};
const QColor White{0xFF, 0xFF, 0xFF};
using enum FontFace;
} // namespace

const QList<ControlRow> &windowControls()
{
    // clang-format off
    static const QList<ControlRow> rows = {
        {"Label1", &Form1::Label1, QStringLiteral("ソラモク"), {240, 240, 5535, 720}, QColor(0x00, 0xFF, 0x00),
         QColor(0x00, 0x00, 0xFF), Gothic, 36.0},
        {"Label5", &Form1::Label5, QStringLiteral("Speed"), {11040, 240, 630, 240}, FormBackground,
         White, Gothic, 12.0, true},
        {"Combo1", &Form1::Combo1, QStringLiteral("1"), {11040, 480, 1215, 405}, White, Black, Gothic, 14.25},
        {"Command2", &Form1::Command2, QStringLiteral("終了"), {13560, 360, 1575, 615}, QColor(0xFF, 0xC0, 0x80),
         Black, Gothic, 14.25},
        {"Picture1", &Form1::Picture1, QString(), {120, 1200, 15135, 6975}, QColor(0xFF, 0xFF, 0x80), Black,
         Gothic, 48.0},
        {"Label3_0", Label3Element{&Form1::Label3, 0}, QStringLiteral("英→和"), {360, 8400, 720, 240},
         FormBackground, White, Gothic, 12.0},
        {"Label3_1", Label3Element{&Form1::Label3, 1}, QStringLiteral("和→英"), {4320, 8400, 720, 240},
         FormBackground, White, Gothic, 12.0},
        {"Command1", &Form1::Command1, QStringLiteral("スタート"), {360, 8760, 1575, 1215}, QColor(0xFF, 0xFF, 0x00),
         Black, Gothic, 20.25},
        {"Command4", &Form1::Command4, QStringLiteral(" ランダム スタート"), {2160, 8760, 1575, 1215},
         QColor(0xFF, 0xFF, 0x80), Black, Gothic, 18.0},
        {"Command3", &Form1::Command3, QStringLiteral("スタート"), {4320, 8760, 1575, 1215}, QColor(0x00, 0xFF, 0xFF),
         Black, Gothic, 20.25},
        {"Command5", &Form1::Command5, QStringLiteral(" ランダム スタート"), {6120, 8760, 1575, 1215},
         QColor(0x80, 0xFF, 0xFF), Black, Gothic, 18.0},
        {"Check3", &Form1::Check3, QStringLiteral("発音あり"), {8520, 8760, 1215, 255}, FormBackground,
         White, Gothic, 12.0},
        {"Check1", &Form1::Check1, QStringLiteral("答えあり"), {8520, 9240, 1455, 255}, FormBackground,
         White, Gothic, 12.0},
        {"Check2", &Form1::Check2, QStringLiteral("音なし"), {8520, 9720, 1215, 255}, FormBackground,
         White, Gothic, 12.0},
        {"File1", &Form1::File1, QString(), {10560, 8640, 2775, 1530}, QColor(0x80, 0xFF, 0x80), Black, Gothic,
         12.0},
        {"Label4", &Form1::Label4, QStringLiteral("　問題ファイルを選んで，読み込みましょう。"),
         {13440, 8640, 1575, 735}, FormBackground, White, Gothic, 12.0},
        {"Command6", &Form1::Command6, QStringLiteral("問題読込"), {13440, 9480, 1575, 615}, QColor(0x80, 0xFF, 0x80),
         Black, Gothic, 12.0},
    };
    // clang-format on
    return rows;
}

const QList<ControlRow> &pictureControls()
{
    // Label2 is last of the card's labels, on top: it covers Label7 whole, so
    // an old meaning never shows.
    // clang-format off
    static const QList<ControlRow> rows = {
        {"Label6", &Form1::Label6, QStringLiteral("レキシレン"), {360, 1440, 14535, 975}, QColor(0xFF, 0xFF, 0xC0),
         Black, Mincho, 48.0},
        {"Label7", &Form1::Label7, QStringLiteral("Label7"), {480, 3450, 14415, 2295}, QColor(0xFF, 0xFF, 0x80),
         QColor(0x00, 0x00, 0xFF), Gothic, 90.0},
        {"Label2", &Form1::Label2, QStringLiteral("Lexiwren!"), {240, 2760, 14655, 4095}, QColor(0xFF, 0xFF, 0x80),
         Black, ProportionalMincho, 87.75},
        // The extras' pause mark, hidden until a drill is paused: in the
        // header's strip, between the card number and the total.
        {"PauseMark", &Form1::m_pauseMark, QStringLiteral("一時停止"), {6300, 525, 1440, 480},
         QColor(0xFF, 0xFF, 0x80), AccentLineColor, Gothic, 24.0},
    };
    // clang-format on
    return rows;
}

const QList<LineRow> &accentLines()
{
    // Bottom to top: the lines lie over Label6 and under Label7.
    static const QList<LineRow> rows = {
        {"Line1", &Form1::Line1, 40, 88},
        {"Line2", &Form1::Line2, 320, 368},
        {"Line3", &Form1::Line3, 552, 600},
    };
    return rows;
}

} // namespace lexiwren
