// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's own texts (a text box's context menu, a message box's
// buttons) in Japanese, like every other text of the window.
#pragma once

namespace lexiwren {

// Loads Qt's Japanese translations whatever the learner's locale; false, with
// a warning, when they are not installed and the texts stay in English.
// Called once, after the application is made.
bool installJapaneseToolkitTexts();

} // namespace lexiwren
