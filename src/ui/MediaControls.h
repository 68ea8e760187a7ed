// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Wires the desktop's media controls to the window's drills.
#pragma once

namespace lexiwren {

class Form1;
class MprisPlayer;

// Play/pause, pause, play, next and stop act as the extras' keys do; the
// player reports whether a drill plays and the card in view, as much of it
// as the window shows. Raise brings the
// window forward and Quit ends the program as the end button does.
void connectMediaControls(MprisPlayer &player, Form1 &form);

} // namespace lexiwren
