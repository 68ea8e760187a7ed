// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker on the command line: `lexiwren --make WORDS.txt [--edict FILE]
// [--cmu FILE]` drafts a question file from a list of English words without
// opening a window.
#pragma once

#include "Drafter.h"

#include <QIODevice>
#include <QStringList>

namespace lexiwren::maker {

// Whether the program was started to make a question file rather than to drill.
bool isMakeCommand(int argc, const char *const *argv);

// The command's work on arguments without the program's name: the question
// file to out, a line "N: word: reason" for each card to check and any
// failure in Japanese to err. Returns the exit status.
int runMakeCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                   const DictionaryPaths &defaults = DictionaryPaths::debian());

// main()'s whole part: a core application, standard output and error.
int makeCommandMain(int argc, char *argv[]);

} // namespace lexiwren::maker
