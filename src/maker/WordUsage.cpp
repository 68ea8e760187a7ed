// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WordUsage.h"

#include <QHashFunctions>

namespace lexiwren::maker {

namespace {

std::optional<EnglishPart> partOfSynsetType(char type)
{
    switch (type) {
    case '1':
        return EnglishPart::Noun;
    case '2':
        return EnglishPart::Verb;
    case '3':
    case '5': // an adjective satellite: "big" as in "a big car"
        return EnglishPart::Adjective;
    case '4':
        return EnglishPart::Adverb;
    default:
        return std::nullopt;
    }
}

std::uint64_t lemmaHash(QByteArrayView lemma)
{
    return qHash(lemma, std::size_t{0});
}

} // namespace

WordUsage::WordUsage(const QByteArray &cntlistBytes)
{
    const QByteArrayView all(cntlistBytes);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        const QByteArrayView line = all.sliced(start, end - start).trimmed();
        start = end + 1;
        // "house%1:06:00:: 1 164": the sense key, the sense's number, its count.
        const qsizetype percent = line.indexOf('%');
        const qsizetype space = line.lastIndexOf(' ');
        if (percent < 1 || space <= percent + 1)
            continue;
        const std::optional<EnglishPart> part = partOfSynsetType(line.at(percent + 1));
        bool ok = false;
        const uint count = line.sliced(space + 1).toUInt(&ok);
        if (!part || !ok)
            continue;
        QByteArray lemma = line.first(percent).toByteArray().toLower();
        lemma.replace('_', ' ');
        m_counts[lemmaHash(lemma)].at(static_cast<std::size_t>(*part)) += count;
    }
}

std::optional<PartShares> WordUsage::shares(const std::string &word) const
{
    const auto it = m_counts.constFind(lemmaHash(QByteArrayView(word.data(), static_cast<qsizetype>(word.size()))));
    if (it == m_counts.cend())
        return std::nullopt;
    double total = 0;
    for (const std::uint32_t count : *it)
        total += count;
    if (total < MinimumTags)
        return std::nullopt;
    PartShares shares;
    for (std::size_t i = 0; i < shares.share.size(); ++i)
        shares.share.at(i) = it->at(i) / total;
    return shares;
}

} // namespace lexiwren::maker
