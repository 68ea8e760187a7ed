// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The closing lines every benchmark prints: a figure, its target, met or not.
#pragma once

#include <cstdio>

namespace lexiwren::bench {

inline void printTargetHeader()
{
    std::printf("\n%-44s %12s   %-22s %s\n", "figure", "value", "target", "verdict");
}

inline void printTarget(const char *figure, double value, const char *unit, const char *target, bool met)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.2f %s", value, unit);
    std::printf("%-44s %12s   %-22s %s\n", figure, shown, target, met ? "met" : "MISSED");
}

inline void printCountTarget(const char *figure, int count, const char *target, bool met)
{
    std::printf("%-44s %12d   %-22s %s\n", figure, count, target, met ? "met" : "MISSED");
}

// A figure with no target of its own, shown for what it is.
inline void printFigure(const char *figure, double value, const char *unit)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.2f %s", value, unit);
    std::printf("%-44s %12s\n", figure, shown);
}

// A figure shown for comparison, with what it is expected to be near.
inline void printReference(const char *figure, double value, const char *unit, const char *expected)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.2f %s", value, unit);
    std::printf("%-44s %12s   %-22s %s\n", figure, shown, expected, "reference");
}

} // namespace lexiwren::bench
