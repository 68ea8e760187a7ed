// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrillView.h"

namespace lexiwren {

QStringList CardInView::shownTexts() const
{
    switch (phase) {
    case CardPhase::Header:
        break;
    case CardPhase::Prompt:
        return {prompt == Prompt::English ? row[EnglishField] : row[MeaningField]};
    case CardPhase::Answer:
        return {row[EnglishField], row[MeaningField]};
    }
    return {};
}

bool CardInView::showsWord() const
{
    return (phase == CardPhase::Prompt && prompt == Prompt::English)
           || (phase == CardPhase::Answer && prompt == Prompt::Meaning);
}

} // namespace lexiwren
