// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stats.h"

#include <algorithm>
#include <cmath>

namespace lexiwren::bench {

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

double percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

double maximum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end());
}

double minimum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::min_element(samples.begin(), samples.end());
}

} // namespace lexiwren::bench
