// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Logging.h"

namespace lexiwren {
Q_LOGGING_CATEGORY(lcDrill, "lexiwren.drill", QtWarningMsg)
} // namespace lexiwren
