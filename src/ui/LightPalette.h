// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's own palette: the layout fixes black text on white where it
// says "default", so the desktop's palette, dark or light, must not show
// through anywhere.
#pragma once

#include <QPalette>

namespace lexiwren {

// Black on white with light grey faces, every role of every group set, so
// that no colour is inherited from the application's palette.
QPalette lightPalette();

} // namespace lexiwren
