// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the maker window drafts with, behind one seam: a loader that reads the
// dictionaries and gives back the function that drafts one word. The window
// ships with the dictionaries' Drafter; its tests give it a small fake.
#pragma once

#include "maker/Draft.h"

#include <functional>

namespace lexiwren::maker {

// Drafts one trimmed word or phrase; called from one worker thread at a time.
// Keeps the dictionaries for as long as a copy of it lives.
using DraftFunction = std::function<Draft(const QString &wordOrPhrase)>;

// Runs on a worker thread. progress gets 0 to 100 from that thread. Returns
// an empty function and a Japanese message in *error when loading fails.
using EngineLoader = std::function<DraftFunction(const std::function<void(int percent)> &progress, QString *error)>;

// The dictionaries where Debian's packages install them, read by Drafter.
EngineLoader dictionaryEngine();

} // namespace lexiwren::maker
