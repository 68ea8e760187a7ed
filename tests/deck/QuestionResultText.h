// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared by the deck tests: a load result as one comparable value.
#pragma once

#include "deck/QuestionFile.h"

#include <QStringList>

namespace lexiwren::test {

// The kept lines, or "error <kind> line <n>", so QCOMPARE prints what went wrong.
inline QStringList resultText(const QuestionFileResult &result)
{
    if (const auto *error = std::get_if<QuestionFileError>(&result))
        return {QStringLiteral("error %1 line %2").arg(int(error->kind)).arg(error->lineNumber)};
    return std::get<QuestionFileContents>(result).lines;
}

inline QStringList errorText(QuestionFileError::Kind kind, int lineNumber)
{
    return resultText(QuestionFileError{kind, lineNumber, {}});
}

} // namespace lexiwren::test
