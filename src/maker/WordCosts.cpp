// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordCosts.h"

#include <QHashFunctions>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cmath>

namespace lexiwren::maker {

namespace {

std::uint64_t wordHash(QStringView word)
{
    return qHash(word, std::size_t{0});
}

} // namespace

void WordCosts::addFile(const QByteArray &eucJpCsv)
{
    static const QByteArray dictionaryForm = QStringEncoder("EUC-JP").encode(u"基本形");
    QStringDecoder decoder("EUC-JP");
    std::vector<std::pair<std::uint64_t, int>> costs;
    const QByteArrayView all(eucJpCsv);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        const QByteArrayView line = all.sliced(start, end - start);
        start = end + 1;
        // word, left id, right id, cost, part of speech and four subdivisions, inflected form, …
        std::array<QByteArrayView, 10> fields;
        qsizetype from = 0;
        std::size_t count = 0;
        for (; count < fields.size() && from <= line.size(); ++count) {
            qsizetype comma = line.indexOf(',', from);
            if (comma < 0)
                comma = line.size();
            fields.at(count) = line.sliced(from, comma - from);
            from = comma + 1;
        }
        // Verbs and adjectives list every inflected form; the dictionary form stands for the word.
        if (count < fields.size() || fields[0].isEmpty() || (fields[9] != "*" && fields[9] != dictionaryForm))
            continue;
        bool ok = false;
        const int cost = fields[3].toInt(&ok);
        if (!ok)
            continue;
        const QString word = decoder.decode(fields[0]);
        // One character never counts (see costRank in Meanings.cpp): no need to keep it.
        if (word.size() >= 2)
            costs.emplace_back(wordHash(word), cost);
    }
    if (costs.empty())
        return;
    std::vector<int> sorted;
    sorted.reserve(costs.size());
    for (const auto &entry : costs)
        sorted.push_back(entry.second);
    std::sort(sorted.begin(), sorted.end());
    const auto last = static_cast<double>(std::max<std::size_t>(1, sorted.size() - 1));
    for (const auto &[hash, cost] : costs) {
        // Words of equal cost share the rank of the first of them.
        const auto below = std::lower_bound(sorted.begin(), sorted.end(), cost) - sorted.begin();
        m_ranks.emplace_back(hash, static_cast<std::uint8_t>(std::lround(255.0 * static_cast<double>(below) / last)));
    }
}

void WordCosts::finish()
{
    std::sort(m_ranks.begin(), m_ranks.end());
    // Sorted by hash then rank: the first of each hash is its best rank.
    m_ranks.erase(
        std::unique(m_ranks.begin(), m_ranks.end(), [](const auto &a, const auto &b) { return a.first == b.first; }),
        m_ranks.end());
    m_ranks.shrink_to_fit();
}

std::optional<double> WordCosts::rank(QStringView word) const
{
    const std::uint64_t hash = wordHash(word);
    const auto it = std::lower_bound(m_ranks.begin(), m_ranks.end(), std::pair<std::uint64_t, std::uint8_t>{hash, 0});
    if (it == m_ranks.end() || it->first != hash)
        return std::nullopt;
    return it->second / 255.0;
}

} // namespace lexiwren::maker
