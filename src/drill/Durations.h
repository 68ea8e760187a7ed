// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a card's prompt and answer stay on screen at a given speed.
#pragma once

#include <QtGlobal>

namespace lexiwren {

inline constexpr double PromptBaseMs = 1500.0;
inline constexpr double AnswerBaseMs = 1000.0;

// speedFactor × baseMs rounded to the nearest whole millisecond (halves to
// even), clamped to the 32-bit signed range.
qint32 durationMs(double speedFactor, double baseMs);

} // namespace lexiwren
