// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CmuDictionary.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The word as the table's keys hold it, or empty when it cannot be one.
QByteArray keyOf(QStringView word)
{
    QByteArray key;
    key.reserve(word.size());
    for (const QChar c : word) {
        if (c.unicode() >= 0x80 || c == u'"')
            return {};
        key.append(lowerAscii(static_cast<char>(c.unicode())));
    }
    return key;
}

} // namespace

bool CmuDictionary::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = u"発音辞書 %1 を読めません（%2）。festlex-cmu パッケージを入れてください。"_s.arg(
                path, file.errorString());
        }
        setText({});
        return false;
    }
    setText(file.readAll());
    if (m_lines.empty()) {
        if (error)
            *error = u"発音辞書 %1 に見出しがありません。"_s.arg(path);
        return false;
    }
    return true;
}

void CmuDictionary::setText(QByteArray text)
{
    m_text = std::move(text);
    m_lines.clear();
    char *data = m_text.data();
    const qsizetype size = m_text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = m_text.indexOf('\n', start);
        if (end < 0)
            end = size;
        if (end - start > 3 && data[start] == '(' && data[start + 1] == '"') {
            m_lines.push_back(static_cast<quint32>(start));
            for (qsizetype i = start + 2; i < end && data[i] != '"'; ++i)
                data[i] = lowerAscii(data[i]);
        }
        start = end + 1;
    }
    std::stable_sort(m_lines.begin(), m_lines.end(), [this](quint32 a, quint32 b) { return keyAt(a) < keyAt(b); });
}

QByteArrayView CmuDictionary::keyAt(quint32 offset) const
{
    const qsizetype begin = offset + 2;
    const qsizetype end = m_text.indexOf('"', begin);
    return QByteArrayView(m_text).sliced(begin, (end < 0 ? m_text.size() : end) - begin);
}

std::pair<std::vector<quint32>::const_iterator, std::vector<quint32>::const_iterator>
CmuDictionary::range(QStringView word) const
{
    const QByteArray key = keyOf(word);
    if (key.isEmpty())
        return {m_lines.end(), m_lines.end()};
    const auto first = std::lower_bound(m_lines.begin(), m_lines.end(), key,
                                        [this](quint32 offset, const QByteArray &k) { return keyAt(offset) < k; });
    auto last = first;
    while (last != m_lines.end() && keyAt(*last) == key)
        ++last;
    return {first, last};
}

bool CmuDictionary::contains(QStringView word) const
{
    const auto [first, last] = range(word);
    return first != last;
}

QList<CmuEntry> CmuDictionary::lookup(QStringView word) const
{
    QList<CmuEntry> entries;
    const auto [first, last] = range(word);
    for (auto it = first; it != last; ++it) {
        qsizetype end = m_text.indexOf('\n', *it);
        if (end < 0)
            end = m_text.size();
        CmuEntry entry = parseLine(QByteArrayView(m_text).sliced(*it, end - *it));
        if (!entry.pronunciation.isEmpty())
            entries.append(std::move(entry));
    }
    return entries;
}

CmuEntry CmuDictionary::parseLine(QByteArrayView line)
{
    // ("record" n (((r eh) 1) ((k er d) 0)))
    CmuEntry entry;
    const qsizetype closeQuote = line.indexOf('"', 2);
    if (!line.startsWith("(\"") || closeQuote < 0)
        return entry;
    qsizetype i = closeQuote + 1;
    while (i < line.size() && line[i] == ' ')
        ++i;
    const qsizetype posEnd = line.indexOf(' ', i);
    if (posEnd < 0)
        return entry;
    entry.partOfSpeech = line.sliced(i, posEnd - i).toByteArray();
    i = posEnd;

    // Syllables: "((" opens one, its phones up to ")", then its stress digit.
    Pronunciation &pronunciation = entry.pronunciation;
    while (true) {
        const qsizetype open = line.indexOf("((", i);
        if (open < 0)
            break;
        qsizetype p = open + 2;
        while (p < line.size() && line[p] == '(')
            ++p;
        const qsizetype close = line.indexOf(')', p);
        if (close < 0)
            return {};
        qsizetype q = close + 1;
        while (q < line.size() && line[q] == ' ')
            ++q;
        const int stress = q < line.size() && line[q] >= '1' && line[q] <= '9' ? 1 : 0;
        for (qsizetype start = p; start < close;) {
            qsizetype end = line.indexOf(' ', start);
            if (end < 0 || end > close)
                end = close;
            const QByteArrayView phone = line.sliced(start, end - start);
            if (!phone.isEmpty())
                pronunciation.phones.append({phone.toByteArray(), isVowelSymbol(phone) ? stress : -1});
            start = end + 1;
        }
        i = q;
    }
    const QList<int> stressed = pronunciation.stressedVowels();
    if (stressed.size() == 1)
        pronunciation.primary = stressed.front();
    return entry;
}

} // namespace lexiwren::maker
