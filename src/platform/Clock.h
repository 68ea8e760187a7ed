// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The monotonic clock that paces a drill.
#pragma once

#include <chrono>

namespace lexiwren {

class Clock
{
public:
    virtual ~Clock() = default;
    // Time since an arbitrary fixed point; never goes backwards and never wraps.
    virtual std::chrono::nanoseconds now() = 0;
};

} // namespace lexiwren
