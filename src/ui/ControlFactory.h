// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns a row of the layout table into its widget, kept straight in the
// Form1 member the row names.
#pragma once

#include "FormLayout.h"

class QWidget;

namespace lexiwren {

void createControl(Form1 &form, const ControlRow &row, QWidget *parent);
void createLine(Form1 &form, const LineRow &row, QWidget *parent);

} // namespace lexiwren
