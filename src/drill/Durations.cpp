// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Durations.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace lexiwren {

namespace {

// Round half to even without depending on the floating-point environment,
// which a library loaded into the process could have changed.
double roundHalfToEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below; // exact for every finite double
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

qint32 durationMs(double speedFactor, double baseMs)
{
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();

    const double product = speedFactor * baseMs;
    if (std::isnan(product))
        return 0;
    // Clamp before converting: a double outside the int range (±DBL_MAX, or
    // the infinity their product makes) is undefined behaviour to convert.
    // Between the two bounds, rounding cannot leave the range: both are whole.
    if (product <= lowest)
        return std::numeric_limits<qint32>::min();
    if (product >= highest)
        return std::numeric_limits<qint32>::max();
    const double rounded = roundHalfToEven(product);
    return static_cast<qint32>(rounded);
}

} // namespace lexiwren
