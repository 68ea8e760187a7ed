// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Which files a list of drafted cards is saved as. A drill reads 99 cards
// of a file, so a longer list is cut into numbered files of at most 99
// cards each: "verbs.txt" with 150 cards becomes "verbs-1.txt" (cards 1 to
// 99) and "verbs-2.txt" (cards 100 to 150).
#pragma once

#include "maker/Draft.h"

#include <QList>
#include <QString>

namespace lexiwren::maker {

inline constexpr qsizetype CardsPerFile = 99;

struct SavedFile
{
    QString name; // bare name in the folder
    QList<Draft> cards;
};

// The learner's name for the list, checked: empty text when it is usable,
// otherwise why not, in Japanese.
QString fileNameProblem(const QString &name);

// The files for the drafts under name; ".txt" is added when name lacks it,
// since the file list shows only such files.
QList<SavedFile> savePlan(const QString &name, const QList<Draft> &drafts);

// Writes each file into folder, whole or not at all: each is written to a
// new file that then takes the name's place. Returns an empty text, or the
// Japanese message of the first file that could not be written (files before
// it stay written).
QString writeFiles(const QString &folder, const QList<SavedFile> &files);

} // namespace lexiwren::maker
