// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Question files for the benchmarks: everyday words with long ones among
// them, so some words are shrunk to fit the card as in a real deck.
#pragma once

#include <QString>
#include <QStringList>

namespace lexiwren::bench {

// cards lines "word reading accent meaning", the sample words in turn.
QStringList sampleCardLines(int cards);

// Writes the lines as UTF-8, LF-ended. When padToBytes is larger than what
// they take, more card lines follow until the file has exactly that many
// bytes. False, with a message on stderr, when writing failed.
bool writeDeckFile(const QString &path, const QStringList &lines, qint64 padToBytes = 0);

} // namespace lexiwren::bench
