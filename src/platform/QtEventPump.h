// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The event pump of the running Qt application.
#pragma once

#include "EventPump.h"

namespace lexiwren {

class QtEventPump final : public EventPump
{
public:
    void processEvents(std::chrono::nanoseconds maxWait) override;
};

} // namespace lexiwren
