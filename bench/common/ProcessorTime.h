// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What this process has used of the processor so far.
#pragma once

#include <sys/resource.h>

namespace lexiwren::bench {

struct ProcessorUse
{
    double seconds = 0.0;         // user and system time together
    long involuntarySwitches = 0; // times the scheduler took the processor away
};

inline ProcessorUse processorUse()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nivcsw};
}

} // namespace lexiwren::bench
