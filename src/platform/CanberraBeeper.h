// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's "bell" event sound, with the toolkit's beep as fallback.
#pragma once

#include "Beeper.h"

#include <atomic>
#include <cstdint>

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
    // Only the desktop's bell reports its end; the toolkit's beep is never
    // "sounding".
    bool isSounding() const override { return m_sounding.load() != 0; }

private:
    bool ensureContext();
    void warnNoSound(const char *what, int error);
    static void finished(ca_context *context, std::uint32_t id, int error, void *beeper);

    ca_context *m_context = nullptr;
    bool m_unavailable = false;
    bool m_warned = false;
    std::uint32_t m_lastId = 0;
    // The id of the bell still playing, 0 for none; cleared on libcanberra's
    // own thread when the sound ends.
    std::atomic<std::uint32_t> m_sounding{0};
};

} // namespace lexiwren
