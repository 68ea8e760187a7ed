// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The numeric value of a text, as the speed box and the accent code read it.
#pragma once

#include <QStringView>

namespace lexiwren {

// Blanks (space, tab, CR, LF) are skipped anywhere; then an optional sign,
// digits with at most one ".", an optional exponent. Reading stops at the first
// character that cannot continue the number; no leading number gives 0.
// Never throws; values beyond a double's range saturate to its largest value.
double numericValue(QStringView text);

} // namespace lexiwren
