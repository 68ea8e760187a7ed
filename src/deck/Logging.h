// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The deck layer's logging category, "lexiwren.deck". Warnings show by
// default; debug messages only when switched on, for instance with
// QT_LOGGING_RULES="lexiwren.deck.debug=true".
#pragma once

#include <QLoggingCategory>

namespace lexiwren {
Q_DECLARE_LOGGING_CATEGORY(lcDeck)
} // namespace lexiwren
