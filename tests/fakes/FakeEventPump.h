// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// An event pump whose "events" are whatever the test's hook does.
#pragma once

#include "platform/EventPump.h"

#include <chrono>
#include <functional>
#include <utility>
#include <vector>

namespace lexiwren {

class FakeEventPump final : public EventPump
{
public:
    using Hook = std::function<void(std::chrono::nanoseconds maxWait)>;

    void setHook(Hook hook) { m_hook = std::move(hook); }

    void processEvents(std::chrono::nanoseconds maxWait) override
    {
        // Recorded before the hook runs, so a nested wait inside the hook
        // records its calls after the one that contains them.
        m_maxWaits.push_back(maxWait);
        if (m_hook) {
            // A copy: the hook may replace itself, or pump again through a
            // nested wait, while it runs.
            const Hook hook = m_hook;
            hook(maxWait);
        }
    }

    int calls() const { return static_cast<int>(m_maxWaits.size()); }
    const std::vector<std::chrono::nanoseconds> &maxWaits() const { return m_maxWaits; }

private:
    Hook m_hook;
    std::vector<std::chrono::nanoseconds> m_maxWaits;
};

} // namespace lexiwren
