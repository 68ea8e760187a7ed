// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The short alert sound that announces each card.
#pragma once

namespace lexiwren {

class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
    // True from beep() until the sound has finished playing, where the end
    // can be known (false at once where it cannot). The end wakes the event
    // pump, so a wait that sleeps in it sees the change at once.
    virtual bool isSounding() const { return false; }
};

} // namespace lexiwren
