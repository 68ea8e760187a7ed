// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How an English word is mostly used, from WordNet: how often each of its
// senses was tagged in a hand-tagged corpus (cntlist.rev), summed per part of
// speech. EDICT glosses "house" with 家 and with 宿す "to house" alike; the
// counts say the learner almost surely means the noun.
#pragma once

#include <QByteArray>
#include <QHash>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lexiwren::maker {

enum class EnglishPart { Noun, Verb, Adjective, Adverb };

struct PartShares
{
    std::array<double, 4> share{}; // indexed by EnglishPart, summing to 1

    double of(EnglishPart part) const { return share.at(static_cast<std::size_t>(part)); }
};

class WordUsage
{
public:
    WordUsage() = default;
    // cntlist.rev's lines: a sense key ("house%1:06:00::", the lemma with
    // "_" for spaces, then its part of speech: 1 noun, 2 verb, 3 and 5
    // adjective, 4 adverb), the sense's number and its tag count.
    explicit WordUsage(const QByteArray &cntlistBytes);

    bool isEmpty() const { return m_counts.isEmpty(); }
    qsizetype size() const { return m_counts.size(); }

    // The shares of a word (lower case, words cut by single spaces) among its
    // parts of speech; null when the corpus tagged it fewer than MinimumTags
    // times, too seldom to say.
    std::optional<PartShares> shares(const std::string &word) const;

    static constexpr int MinimumTags = 3;

private:
    // Tag counts per part of speech, by the hash of the lemma.
    QHash<std::uint64_t, std::array<std::uint32_t, 4>> m_counts;
};

} // namespace lexiwren::maker
