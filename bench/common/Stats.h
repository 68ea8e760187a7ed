// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Order statistics of a handful of samples, as the tables print them.
#pragma once

#include <vector>

namespace lexiwren::bench {

// The middle sample (mean of the middle two for an even count); 0 when empty.
double median(std::vector<double> samples);
// Nearest-rank percentile, p in (0, 100]: the smallest sample with at least
// p% of the samples at or below it; 0 when empty.
double percentile(std::vector<double> samples, double p);
double maximum(const std::vector<double> &samples);
double minimum(const std::vector<double> &samples);

} // namespace lexiwren::bench
