// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DraftingEngine.h"

#include "maker/Drafter.h"

#include <memory>

namespace lexiwren::maker {

EngineLoader dictionaryEngine()
{
    return [](const std::function<void(int)> &progress, QString *error) -> DraftFunction {
        std::shared_ptr<const Drafter> drafter = Drafter::load(DictionaryPaths::debian(), progress, error);
        if (!drafter)
            return {};
        return [drafter](const QString &word) { return drafter->draft(word); };
    };
}

} // namespace lexiwren::maker
