// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// EDICT, the Japanese-English dictionary, read for the way back: from an
// English word to the entries that gloss it. The file stays in memory as its
// EUC-JP bytes; only the entries a look-up finds are decoded and parsed.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lexiwren::maker {

struct EdictSense
{
    QStringList partsOfSpeech; // n, vs, v5r, adj-i, exp …
    QStringList tags;          // uk, arch, comp, col … (dialects as "ksb:")
    QString source;            // "ger: Arbeit", "wasei: plus alpha"; empty for an English loan or a native word
    QStringList glosses;       // markers taken off the front, remarks in parentheses kept
};

struct EdictEntry
{
    QString headword;     // 林檎, or the kana of a kana-only entry
    QString reading;      // りんご; empty when the headword is itself the reading
    QStringList headTags; // ok, iK, ateji … about the headword's spelling
    QList<EdictSense> senses;
    bool common = false; // (P)
};

// One line of EDICT, decoded. Null for the file's first line and for a line
// that is not an entry.
std::optional<EdictEntry> parseEdictLine(QStringView line);

// A gloss as the index files it: parenthesised remarks dropped, lower case,
// spaces collapsed, a leading "to " or article dropped ("to run (a
// business)" → "run"). Characters outside ASCII are kept as they are.
std::string glossKey(QStringView gloss);
std::string glossKey(std::string_view gloss);

// Whether a headword is written in katakana only (with ー and ・).
bool isKatakanaOnly(QStringView text);

class Edict
{
public:
    // Builds the index over the whole file's bytes (EUC-JP). progress gets 0
    // to 100 as the file is read through.
    explicit Edict(QByteArray eucJpBytes, const std::function<void(int)> &progress = {});

    // Entries with a gloss whose key equals key (see glossKey), in file order.
    QList<EdictEntry> entriesGlossedAs(const std::string &key) const;
    // Entries with a short gloss (up to four words) that holds word among others.
    QList<EdictEntry> entriesMentioning(const std::string &word) const;
    bool hasGloss(const std::string &key) const;
    // How many headwords start with headword, itself included: everyday words
    // head many compounds (家 → 家族, 家庭, 家具 …), rare ones few.
    int headwordsStartingWith(const QString &headword) const;

    int entryCount() const { return m_entryCount; }

private:
    QList<EdictEntry> entriesAt(std::uint64_t hashedKey) const;

    QByteArray m_bytes;
    // Each value is a key's hash in the high bits and the offset of its line
    // in the low ones, sorted, so one look-up is one binary search.
    std::vector<std::uint64_t> m_postings;
    // Offset and length of every headword, in byte order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_headwords;
    mutable QStringDecoder m_decoder;
    mutable QStringEncoder m_encoder;
    int m_entryCount = 0;
};

} // namespace lexiwren::maker
