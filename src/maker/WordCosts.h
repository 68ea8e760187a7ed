// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How common a Japanese word is, from the word costs of mecab-ipadic's
// dictionary files: the analyser learned them from newspaper text, a lower
// cost for a more frequent word. Costs of different files (nouns, verbs …)
// are not comparable, so a word keeps only its rank within its own file.
#pragma once

#include <QByteArray>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace lexiwren::maker {

class WordCosts
{
public:
    WordCosts() = default;

    // One of mecab-ipadic's CSV files in EUC-JP: the word, two connection
    // ids, the cost, the part of speech, …, the inflected form. Only the
    // dictionary form of verbs and adjectives is kept. Call finish() after
    // the last file.
    void addFile(const QByteArray &eucJpCsv);
    void finish();

    bool isEmpty() const { return m_ranks.empty(); }
    std::size_t size() const { return m_ranks.size(); }

    // 0 for the cheapest word of its file up to 1 for the dearest, the best
    // of its files; null when no file has the word.
    std::optional<double> rank(QStringView word) const;

private:
    // The word's hash and its rank in 1/255 steps, sorted by hash.
    std::vector<std::pair<std::uint64_t, std::uint8_t>> m_ranks;
};

} // namespace lexiwren::maker
