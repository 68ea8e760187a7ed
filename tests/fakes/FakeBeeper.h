// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts beeps instead of sounding them.
#pragma once

#include "platform/Beeper.h"

#include <functional>

namespace lexiwren {

class FakeBeeper final : public Beeper
{
public:
    void beep() override
    {
        ++count;
        if (onBeep)
            onBeep();
    }

    int count = 0;
    std::function<void()> onBeep;
};

} // namespace lexiwren
