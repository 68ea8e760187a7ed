// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the window's pending events from inside a long handler.
#pragma once

#include <chrono>

namespace lexiwren {

class EventPump
{
public:
    virtual ~EventPump() = default;
    // Processes every pending window event. When none is pending, waits up to
    // maxWait for the next one first, so a caller can sleep instead of spinning.
    virtual void processEvents(std::chrono::nanoseconds maxWait) = 0;
};

} // namespace lexiwren
