// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's "bell" event sound, with the toolkit's beep as fallback.
#pragma once

#include "Beeper.h"

struct ca_context;

namespace lexiwren {

class CanberraBeeper final : public Beeper
{
public:
    CanberraBeeper();
    ~CanberraBeeper() override;
    CanberraBeeper(const CanberraBeeper &) = delete;
    CanberraBeeper &operator=(const CanberraBeeper &) = delete;

    void beep() override;

private:
    bool ensureContext();
    void warnNoSound(const char *what, int error);

    ca_context *m_context = nullptr;
    bool m_unavailable = false;
    bool m_warned = false;
};

} // namespace lexiwren
