// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The one pseudo-random generator of the program.
#pragma once

#include <cstdint>

namespace lexiwren {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t value) = 0;
    // A uniform value r with 0 <= r < 1.
    virtual float next() = 0;
};

} // namespace lexiwren
