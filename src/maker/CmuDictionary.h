// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The CMU pronouncing dictionary in the festival form that Debian's
// festlex-cmu installs: one entry a line, ("word" pos (((phones) stress) ...)).
// The file is kept whole in memory with a sorted table of line offsets; an
// entry is parsed only when it is looked up.
#pragma once

#include "Pronunciation.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

namespace lexiwren::maker {

struct CmuEntry
{
    QByteArray partOfSpeech; // "nil" when the entry has one reading; "n", "v", ... otherwise
    Pronunciation pronunciation;
};

class CmuDictionary
{
public:
    // Reads the file at path. On failure returns false and leaves the
    // reason in *error (in Japanese); the dictionary is then empty.
    bool load(const QString &path, QString *error);
    // The same from the file's text, for tests.
    void setText(QByteArray text);

    // Every entry of the word (any case of ASCII letters), in the file's
    // order; empty when the word is not in the dictionary.
    QList<CmuEntry> lookup(QStringView word) const;
    bool contains(QStringView word) const;
    qsizetype size() const { return static_cast<qsizetype>(m_lines.size()); }

    // One line of the file; an entry without phones when the line is not one.
    static CmuEntry parseLine(QByteArrayView line);

private:
    QByteArrayView keyAt(quint32 offset) const;
    std::pair<std::vector<quint32>::const_iterator, std::vector<quint32>::const_iterator> range(QStringView word) const;

    QByteArray m_text;            // the whole file, headwords lower-cased in place
    std::vector<quint32> m_lines; // offsets of the entries' lines, sorted by headword
};

} // namespace lexiwren::maker
