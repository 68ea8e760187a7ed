// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The outside world as the window sees it: one reference per seam.
#pragma once

#include "Beeper.h"
#include "Clock.h"
#include "EventPump.h"
#include "ProgramEnd.h"
#include "RandomSource.h"

namespace lexiwren {

struct Platform
{
    Clock &clock;
    EventPump &pump;
    Beeper &beeper;
    RandomSource &random;
    ProgramEnd &end;
};

} // namespace lexiwren
