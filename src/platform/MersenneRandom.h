// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's random numbers: a Mersenne twister giving floats in [0, 1).
#pragma once

#include "RandomSource.h"

#include <random>

namespace lexiwren {

class MersenneRandom final : public RandomSource
{
public:
    void seed(std::uint32_t value) override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace lexiwren
