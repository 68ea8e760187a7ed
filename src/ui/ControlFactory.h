// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns a row of the layout table into its widget.
#pragma once

#include "FormLayout.h"

class QWidget;

namespace lexiwren {

QWidget *createControl(const ControlRow &row, QWidget *parent);

} // namespace lexiwren
