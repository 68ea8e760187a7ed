// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line every window benchmark takes: [ROUNDS] [-v].
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace lexiwren::bench {

struct Arguments
{
    int rounds;
    bool verbose; // -v: list every sample, not only the summary
};

inline Arguments arguments(int defaultRounds)
{
    const QStringList words = QCoreApplication::arguments();
    const QString verboseFlag = QStringLiteral("-v");
    const bool roundsGiven = words.size() > 1 && words[1] != verboseFlag;
    return {roundsGiven ? std::max(1, words[1].toInt()) : defaultRounds, words.contains(verboseFlag)};
}

} // namespace lexiwren::bench
