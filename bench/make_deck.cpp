// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a question file of sample cards, padded with more card lines up to
// a size when one is given: make_deck PATH CARDS [BYTES]
#include "common/SampleDeck.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PATH CARDS [BYTES]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int cards = std::atoi(argv[2]);
    const qint64 bytes = argc > 3 ? std::atoll(argv[3]) : 0;
    return lexiwren::bench::writeDeckFile(path, lexiwren::bench::sampleCardLines(cards), bytes) ? 0 : 1;
}
