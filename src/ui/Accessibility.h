// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Names and announcements for screen readers.
#pragma once

class QString;
class QWidget;

namespace lexiwren {

class Form1;

// Gives every control an accessible name: its visible text, or for controls
// without one a short Japanese name that says what they are. The two start
// buttons of each direction also say which direction they drill.
void nameControls(Form1 &form);

// Tells screen readers what a card label or the drawing area now shows,
// as its accessible description.
void announce(QWidget *widget, const QString &shown);

} // namespace lexiwren
