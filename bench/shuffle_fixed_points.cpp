// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How many cards a random drill leaves where the file has them: the average
// over many shuffles from the Mersenne twister, for decks of 10, 30 and 99
// cards, with the 21 swaps the random drills always made and with the
// extras' whole-deck shuffle (which should leave about one, as any uniform
// order does).
//   shuffle_fixed_points [SHUFFLES]   (default 100000 per deck and way)
#include "common/Bench.h"
#include "deck/Shuffle.h"
#include "platform/MersenneRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace lexiwren;
using namespace lexiwren::bench;

namespace {

double averageInPlace(qint16 cards, bool whole, int shuffles, MersenneRandom &random)
{
    CardTable deck;
    for (int row = 0; row <= cards; ++row)
        deck[row][EnglishField] = QString::number(row);
    long long inPlace = 0;
    for (int run = 0; run < shuffles; ++run) {
        CardTable shuffled;
        qint16 index = 0, field = 0;
        copyRows(deck, shuffled, cards, index, field);
        if (whole)
            shuffleAllRows(shuffled, cards, random, index, field);
        else
            shuffleRows(shuffled, cards, random, index, field);
        for (int row = 0; row < cards; ++row)
            inPlace += shuffled[row][EnglishField] == deck[row][EnglishField] ? 1 : 0;
    }
    return static_cast<double>(inPlace) / shuffles;
}

} // namespace

int main(int argc, char *argv[])
{
    const int shuffles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    MersenneRandom random;
    random.seed(1);
    std::printf("%d shuffles per deck and way\n", shuffles);
    std::printf("%6s %18s %18s\n", "cards", "21 swaps", "whole shuffle");
    double wholeWorst = 0.0;
    QStringList swapsFigures;
    QStringList wholeFigures;
    for (const qint16 cards : {qint16(10), qint16(30), qint16(99)}) {
        const double swaps = averageInPlace(cards, false, shuffles, random);
        const double whole = averageInPlace(cards, true, shuffles, random);
        std::printf("%6d %11.2f (%3.0f %%) %11.2f (%3.0f %%)\n", cards, swaps, 100.0 * swaps / cards, whole,
                    100.0 * whole / cards);
        swapsFigures << QString::number(swaps, 'f', 2);
        wholeFigures << QString::number(whole, 'f', 2);
        wholeWorst = std::max(wholeWorst, std::abs(whole - 1.0));
    }
    printTargetHeader();
    printFigure("shuffle: cards in place, 21 swaps, 10/30/99", swapsFigures.join(u" / "));
    printFigure("shuffle: cards in place, whole, 10/30/99", wholeFigures.join(u" / "), "about 1", wholeWorst < 0.05);
    return 0;
}
