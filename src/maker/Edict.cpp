// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Edict.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

constexpr int OffsetBits = 26; // lines of a file up to 64 MiB
constexpr std::uint64_t OffsetMask = (std::uint64_t{1} << OffsetBits) - 1;
constexpr std::uint64_t WordSalt = 0x9e3779b97f4a7c15ULL;

// Markers about how a headword is written; they come before the first part of speech.
const QSet<QString> &headTagNames()
{
    static const QSet<QString> names{u"ok"_s,    u"oK"_s, u"iK"_s, u"ik"_s, u"io"_s, u"ateji"_s,
                                     u"gikun"_s, u"rK"_s, u"rk"_s, u"sK"_s, u"sk"_s, u"uK"_s};
    return names;
}

const QSet<QString> &senseTagNames()
{
    static const QSet<QString> names{
        u"uk"_s,      u"arch"_s,    u"obs"_s,    u"obsc"_s,  u"rare"_s,    u"dated"_s,   u"col"_s,    u"sl"_s,
        u"vulg"_s,    u"derog"_s,   u"joc"_s,    u"poet"_s,  u"hon"_s,     u"hum"_s,     u"pol"_s,    u"m-sl"_s,
        u"net-sl"_s,  u"male"_s,    u"fem"_s,    u"X"_s,     u"sens"_s,    u"proverb"_s, u"yoji"_s,   u"id"_s,
        u"on-mim"_s,  u"abbr"_s,    u"chn"_s,    u"fam"_s,   u"form"_s,    u"litf"_s,    u"quote"_s,  u"aphorism"_s,
        u"euph"_s,    u"rude"_s,    u"hist"_s,   u"comp"_s,  u"med"_s,     u"math"_s,    u"Buddh"_s,  u"Shinto"_s,
        u"Christn"_s, u"MA"_s,      u"sports"_s, u"sumo"_s,  u"baseb"_s,   u"food"_s,    u"ling"_s,   u"music"_s,
        u"astron"_s,  u"physics"_s, u"chem"_s,   u"biol"_s,  u"law"_s,     u"anat"_s,    u"geol"_s,   u"mahj"_s,
        u"shogi"_s,   u"go"_s,      u"finc"_s,   u"econ"_s,  u"bus"_s,     u"engr"_s,    u"archit"_s, u"bot"_s,
        u"zool"_s,    u"geom"_s,    u"gramm"_s,  u"mil"_s,   u"psych"_s,   u"hanaf"_s,   u"golf"_s,   u"tradem"_s,
        u"m-sl"_s,    u"ent"_s,     u"cards"_s,  u"agric"_s, u"Christn"_s, u"mahj"_s,    u"net-sl"_s, u"phil"_s,
        u"print"_s,   u"rail"_s,    u"telec"_s,  u"gardn"_s, u"elec"_s,    u"edu"_s,     u"kabuki"_s, u"noh"_s,
        u"sumo"_s,    u"tv"_s,      u"film"_s,
    };
    return names;
}

// Regional words carry their dialect as "(ksb:)".
const QSet<QString> &dialectNames()
{
    static const QSet<QString> names{u"ksb"_s, u"ktb"_s,  u"kyb"_s, u"osb"_s, u"rkb"_s, u"thb"_s,
                                     u"tsb"_s, u"tsug"_s, u"hob"_s, u"nab"_s, u"kyu"_s};
    return names;
}

bool isPartOfSpeech(QStringView item)
{
    static const QSet<QString> names{
        u"n"_s,        u"n-adv"_s,   u"n-t"_s,    u"n-suf"_s, u"n-pref"_s, u"n-pr"_s,   u"pn"_s,     u"adj-i"_s,
        u"adj-ix"_s,   u"adj-na"_s,  u"adj-no"_s, u"adj-t"_s, u"adj-f"_s,  u"adj-pn"_s, u"adj-ku"_s, u"adj-shiku"_s,
        u"adj-nari"_s, u"adv"_s,     u"adv-to"_s, u"exp"_s,   u"int"_s,    u"conj"_s,   u"prt"_s,    u"aux"_s,
        u"aux-v"_s,    u"aux-adj"_s, u"suf"_s,    u"pref"_s,  u"ctr"_s,    u"num"_s,    u"cop"_s,    u"cop-da"_s,
        u"unc"_s,      u"vt"_s,      u"vi"_s,     u"vk"_s,    u"vz"_s,     u"vn"_s,     u"vr"_s,
    };
    if (names.contains(item.toString()))
        return true;
    // v1, v5r, v5k-s, vs, vs-i, v2a-s, v4r …
    return item.size() >= 2 && item.size() <= 7 && item.front() == u'v'
           && (item[1].isDigit() || item.startsWith(u"vs"));
}

bool isPartsOfSpeechGroup(QStringView group)
{
    const QList<QStringView> items = group.split(u',');
    return std::all_of(items.begin(), items.end(), [](QStringView item) { return isPartOfSpeech(item.trimmed()); });
}

bool isSenseNumber(QStringView group)
{
    return !group.isEmpty() && std::all_of(group.begin(), group.end(), [](QChar c) { return c.isDigit(); });
}

// "ger: Arbeit", "wasei: plus alpha", "ksb:": a short lower-case code and a colon.
qsizetype sourceCodeLength(QStringView group)
{
    const qsizetype colon = group.indexOf(u':');
    if (colon < 3 || colon > 5)
        return -1;
    for (qsizetype i = 0; i < colon; ++i)
        if (group[i] < u'a' || group[i] > u'z')
            return -1;
    return colon;
}

bool isDialect(const QString &group)
{
    const qsizetype code = sourceCodeLength(group);
    return code > 0 && group.size() == code + 1 && dialectNames().contains(group.first(code));
}

// The text inside the parentheses that open view, or null when view does not
// open with a closed group.
std::optional<QStringView> leadingGroup(QStringView view, qsizetype *end)
{
    if (!view.startsWith(u'('))
        return std::nullopt;
    int depth = 0;
    for (qsizetype i = 0; i < view.size(); ++i) {
        if (view[i] == u'(')
            ++depth;
        else if (view[i] == u')' && --depth == 0) {
            *end = i + 1;
            return view.sliced(1, i - 1);
        }
    }
    return std::nullopt;
}

template<typename Char>
char asciiLower(Char c)
{
    std::uint32_t code = 0;
    if constexpr (std::is_same_v<Char, char>)
        code = static_cast<unsigned char>(c);
    else
        code = static_cast<std::uint32_t>(c);
    if (code >= 'A' && code <= 'Z')
        return static_cast<char>(code - 'A' + 'a');
    if (code < 0x80)
        return static_cast<char>(code);
    return '\x80'; // anything else only has to differ from ASCII
}

template<typename Char>
void glossKeyInto(const Char *begin, const Char *end, std::string &out)
{
    out.clear();
    int depth = 0;
    bool pendingSpace = false;
    for (const Char *p = begin; p != end; ++p) {
        const char c = asciiLower(*p);
        if (c == '(') {
            ++depth;
            continue;
        }
        if (c == ')') {
            depth = std::max(0, depth - 1);
            pendingSpace = true;
            continue;
        }
        if (depth > 0)
            continue;
        if (c == ' ' || c == '\t' || c == ',' || c == '.' || c == ';' || c == ':' || c == '!' || c == '?' || c == '"') {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && !out.empty())
            out.push_back(' ');
        pendingSpace = false;
        out.push_back(c);
    }
    for (const std::string_view lead : {"to ", "a ", "an ", "the "}) {
        if (out.size() > lead.size() && out.starts_with(lead)) {
            out.erase(0, lead.size());
            break;
        }
    }
}

std::uint64_t hashKey(std::string_view key, std::uint64_t salt = 0)
{
    std::uint64_t h = 0xcbf29ce484222325ULL ^ salt;
    for (const char c : key) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    // FNV's low bits mix poorly into the high ones this index keeps.
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 32;
    return h & ~OffsetMask;
}

bool isStopWord(std::string_view word)
{
    static constexpr std::array<std::string_view, 16> words{"a",         "an",   "the", "of", "to",    "in",
                                                            "on",        "for",  "and", "or", "one's", "someone",
                                                            "something", "with", "at",  "by"};
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

std::string glossKey(QStringView gloss)
{
    std::string key;
    glossKeyInto(gloss.utf16(), gloss.utf16() + gloss.size(), key);
    return key;
}

std::string glossKey(std::string_view gloss)
{
    std::string key;
    glossKeyInto(gloss.data(), gloss.data() + gloss.size(), key);
    return key;
}

bool isKatakanaOnly(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA) || c == u'ー' || c == u'・';
    });
}

std::optional<EdictEntry> parseEdictLine(QStringView line)
{
    line = line.trimmed();
    const qsizetype glossStart = line.indexOf(u" /");
    if (glossStart <= 0)
        return std::nullopt;
    EdictEntry entry;
    QStringView head = line.first(glossStart);
    const qsizetype bracket = head.indexOf(u" [");
    if (bracket >= 0) {
        if (!head.endsWith(u']'))
            return std::nullopt;
        entry.reading = head.sliced(bracket + 2, head.size() - bracket - 3).toString();
        head = head.first(bracket);
    }
    entry.headword = head.trimmed().toString();
    // The file's first line names the dictionary under a row of full-width question marks.
    if (entry.headword.isEmpty() || entry.headword.startsWith(u'？'))
        return std::nullopt;

    bool firstField = true;
    const QList<QStringView> fields = line.sliced(glossStart + 2).split(u'/', Qt::SkipEmptyParts);
    for (QStringView field : fields) {
        field = field.trimmed();
        if (field == u"(P)") {
            entry.common = true;
            continue;
        }
        if (field.startsWith(u"EntL"))
            continue;
        QStringList partsOfSpeech, tags;
        bool numbered = false;
        qsizetype end = 0;
        while (const std::optional<QStringView> group = leadingGroup(field, &end)) {
            const QString text = group->trimmed().toString();
            if (isSenseNumber(text))
                numbered = true;
            else if (isPartsOfSpeechGroup(text))
                for (QStringView item : QStringView(text).split(u','))
                    partsOfSpeech.append(item.trimmed().toString());
            else if (firstField && partsOfSpeech.isEmpty() && !numbered && headTagNames().contains(text))
                entry.headTags.append(text);
            else if (senseTagNames().contains(text) || isDialect(text))
                tags.append(text);
            else
                break; // a remark that belongs to the gloss, such as "(air or sea) route"
            field = field.sliced(end).trimmed();
        }
        firstField = false;

        QString source;
        // A loanword's source language closes the gloss: "evening (ger: Abend)".
        if (field.endsWith(u')')) {
            const qsizetype open = field.lastIndexOf(u'(');
            if (open >= 0) {
                const QStringView group = field.sliced(open + 1, field.size() - open - 2);
                const qsizetype code = sourceCodeLength(group);
                if (code > 0 && !dialectNames().contains(group.first(code).toString())) {
                    source = group.toString();
                    field = field.first(open).trimmed();
                }
            }
        }
        if (numbered || !partsOfSpeech.isEmpty() || entry.senses.isEmpty()) {
            if (entry.senses.isEmpty() || !entry.senses.constLast().glosses.isEmpty())
                entry.senses.append(EdictSense{});
            EdictSense &sense = entry.senses.last();
            sense.partsOfSpeech = partsOfSpeech.isEmpty() && entry.senses.size() > 1
                                      ? entry.senses.at(entry.senses.size() - 2).partsOfSpeech
                                      : partsOfSpeech;
            sense.tags = tags;
        } else {
            entry.senses.last().tags.append(tags);
        }
        EdictSense &sense = entry.senses.last();
        if (!source.isEmpty())
            sense.source = source;
        if (!field.isEmpty())
            sense.glosses.append(field.toString());
    }
    if (entry.senses.isEmpty() || entry.senses.constFirst().glosses.isEmpty())
        return std::nullopt;
    return entry;
}

Edict::Edict(QByteArray eucJpBytes, const std::function<void(int)> &progress)
    : m_bytes(std::move(eucJpBytes))
    , m_decoder("EUC-JP")
    , m_encoder("EUC-JP")
{
    const char *const data = m_bytes.constData();
    const qsizetype size = std::min<qsizetype>(m_bytes.size(), qsizetype{1} << OffsetBits);
    m_postings.reserve(static_cast<size_t>(size / 8));
    std::string key;
    std::vector<std::string_view> words;
    int reported = -1;
    qsizetype lineStart = 0;
    while (lineStart < size) {
        const char *newline = static_cast<const char *>(memchr(data + lineStart, '\n', size_t(size - lineStart)));
        const qsizetype lineEnd = newline ? newline - data : size;
        const std::string_view line(data + lineStart, size_t(lineEnd - lineStart));
        const size_t glossStart = line.find(" /");
        if (glossStart != std::string_view::npos && lineStart > 0) {
            ++m_entryCount;
            const size_t headEnd = std::min(line.find(' '), glossStart);
            m_headwords.emplace_back(static_cast<std::uint32_t>(lineStart), static_cast<std::uint32_t>(headEnd));
            const auto offset = static_cast<std::uint64_t>(lineStart);
            size_t pos = glossStart + 2;
            while (pos < line.size()) {
                size_t slash = line.find('/', pos);
                if (slash == std::string_view::npos)
                    slash = line.size();
                const std::string_view field = line.substr(pos, slash - pos);
                pos = slash + 1;
                if (field.empty() || field == "(P)" || field.starts_with("EntL"))
                    continue;
                glossKeyInto(field.data(), field.data() + field.size(), key);
                if (key.empty())
                    continue;
                m_postings.push_back(hashKey(key) | offset);
                words.clear();
                size_t wordStart = 0;
                while (wordStart <= key.size()) {
                    size_t space = key.find(' ', wordStart);
                    if (space == std::string::npos)
                        space = key.size();
                    words.emplace_back(key.data() + wordStart, space - wordStart);
                    wordStart = space + 1;
                }
                if (words.size() >= 2 && words.size() <= 4)
                    for (const std::string_view word : words)
                        if (!isStopWord(word))
                            m_postings.push_back(hashKey(word, WordSalt) | offset);
            }
        }
        lineStart = lineEnd + 1;
        if (progress) {
            const int percent = static_cast<int>(lineStart * 90 / std::max<qsizetype>(size, 1));
            if (percent != reported && percent % 10 == 0)
                progress(reported = percent);
        }
    }
    const auto headword = [data](const std::pair<std::uint32_t, std::uint32_t> &h) {
        return std::string_view(data + h.first, h.second);
    };
    std::sort(m_headwords.begin(), m_headwords.end(),
              [&](const auto &a, const auto &b) { return headword(a) < headword(b); });
    std::sort(m_postings.begin(), m_postings.end());
    m_postings.erase(std::unique(m_postings.begin(), m_postings.end()), m_postings.end());
    m_postings.shrink_to_fit();
    if (progress)
        progress(100);
}

QList<EdictEntry> Edict::entriesAt(std::uint64_t hashedKey) const
{
    QList<EdictEntry> entries;
    auto it = std::lower_bound(m_postings.begin(), m_postings.end(), hashedKey);
    for (; it != m_postings.end() && (*it & ~OffsetMask) == hashedKey; ++it) {
        const auto offset = static_cast<qsizetype>(*it & OffsetMask);
        qsizetype end = m_bytes.indexOf('\n', offset);
        if (end < 0)
            end = m_bytes.size();
        m_decoder.resetState();
        const QString line = m_decoder.decode(QByteArrayView(m_bytes).sliced(offset, end - offset));
        if (std::optional<EdictEntry> entry = parseEdictLine(line))
            entries.append(std::move(*entry));
    }
    return entries;
}

QList<EdictEntry> Edict::entriesGlossedAs(const std::string &key) const
{
    return entriesAt(hashKey(key));
}

QList<EdictEntry> Edict::entriesMentioning(const std::string &word) const
{
    return entriesAt(hashKey(word, WordSalt));
}

int Edict::headwordsStartingWith(const QString &headword) const
{
    const QByteArray encoded = m_encoder.encode(headword);
    const std::string_view prefix(encoded.constData(), size_t(encoded.size()));
    const char *const data = m_bytes.constData();
    const auto text = [data](const std::pair<std::uint32_t, std::uint32_t> &h) {
        return std::string_view(data + h.first, h.second);
    };
    const auto first = std::lower_bound(m_headwords.begin(), m_headwords.end(), prefix,
                                        [&](const auto &h, std::string_view p) { return text(h) < p; });
    const auto last = std::find_if(first, m_headwords.end(),
                                   [&](const auto &h) { return !text(h).starts_with(prefix); });
    return static_cast<int>(last - first);
}

bool Edict::hasGloss(const std::string &key) const
{
    const std::uint64_t hashed = hashKey(key);
    const auto it = std::lower_bound(m_postings.begin(), m_postings.end(), hashed);
    return it != m_postings.end() && (*it & ~OffsetMask) == hashed;
}

} // namespace lexiwren::maker
