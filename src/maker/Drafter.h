// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drafts question-file cards from English words with the dictionaries that
// Debian installs: readings and stress from the CMU pronouncing dictionary
// (espeak-ng for words it lacks), meanings and loanword spellings from EDICT.
#pragma once

#include "Draft.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace lexiwren::maker {

struct DictionaryPaths
{
    QString cmu;   // the CMU pronouncing dictionary as Debian's festlex-cmu installs it
    QString edict; // EDICT in EUC-JP, as Debian's edict installs it
    // KANJIDIC in EUC-JP, as Debian's kanjidic installs it. Optional: without
    // it meanings are ranked on EDICT alone.
    QString kanjidic = {};
    // The folder of WordNet's files, as Debian's wordnet-base installs it;
    // cntlist.rev in it tells the parts of speech an English word is mostly
    // used as. Optional like KANJIDIC.
    QString wordnet = {};

    // Where Debian's packages put them.
    static DictionaryPaths debian();
};

class Drafter
{
public:
    // Reads every dictionary. On failure returns null and puts a Japanese
    // message naming the package to install (or the file that could not be
    // read) in *error. progress gets 0 to 100 while loading, from the
    // calling thread; load() may run on a worker thread.
    static std::unique_ptr<Drafter> load(const DictionaryPaths &paths, const std::function<void(int percent)> &progress,
                                         QString *error);
    ~Drafter();
    Drafter(const Drafter &) = delete;
    Drafter &operator=(const Drafter &) = delete;

    // One English word or phrase, trimmed. Safe to call from any one thread
    // at a time after load() has returned.
    Draft draft(const QString &wordOrPhrase) const;

private:
    Drafter();
    struct Data;
    std::unique_ptr<Data> m_data;
};

// One word or phrase a line: surrounding spaces trimmed, blank lines and
// repeats dropped, in the order first seen.
QStringList wordList(QStringView text);

// The drafts as a question file: UTF-8, one card a line, fields cut by single
// spaces, or by tabs on a line where a field holds a space.
QByteArray questionFileText(const QList<Draft> &drafts);

} // namespace lexiwren::maker
