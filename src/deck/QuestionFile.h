// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a question file: bytes in, the kept card lines (or one error) out.
#pragma once

#include "Card.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <variant>

namespace lexiwren {

// Lines longer than this are refused rather than read.
inline constexpr int MaxLineBytes = 4096;

struct QuestionFileError
{
    enum class Kind { NothingSelected, Missing, Unreadable, NotRegularFile, TooFewFields, LineTooLong, Undecodable };
    Kind kind = Kind::Unreadable;
    int lineNumber = 0; // 1-based line of the file, for TooFewFields, LineTooLong and Undecodable
    QString detail;     // the system's reason, for Unreadable; the encoding the file was read in, for Undecodable

    // The message shown to the learner, in Japanese, naming the file (and the line).
    QString message(const QString &fileName) const;
};

struct QuestionFileContents
{
    QList<QString> lines; // the non-empty lines, decoded, at most MaxCards of them
};

using QuestionFileResult = std::variant<QuestionFileContents, QuestionFileError>;

// The whole reading rule on bytes already in memory. Pure: no file, no state.
QuestionFileResult parseQuestionBytes(QByteArrayView bytes);

// Reads the file at path, no further than the kept lines need. Never blocks on
// a FIFO or a device and never follows a name to something that is not a file.
QuestionFileResult readQuestionFile(const QString &path);
// The same, for a path in the file system's own bytes, which need not be
// valid in any encoding.
QuestionFileResult readQuestionFile(const QByteArray &localPath);

// What a line's fields are cut at: tabs when the line has enough of them for
// the four fields, otherwise single spaces.
char16_t fieldSeparator(QStringView line);

// Cuts a kept line at every separator; the line has at least four pieces.
Card cardFromLine(const QString &line);

} // namespace lexiwren
