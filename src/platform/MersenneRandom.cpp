// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MersenneRandom.h"

namespace lexiwren {

void MersenneRandom::seed(std::uint32_t value)
{
    m_engine.seed(value);
}

float MersenneRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the value is always
    // below 1; uniform_real_distribution<float> can round up to 1.0.
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * scale;
}

} // namespace lexiwren
