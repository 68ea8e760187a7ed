// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuestionFile.h"

#include "LineCollector.h"

namespace lexiwren {

QuestionFileResult parseQuestionBytes(QByteArrayView bytes)
{
    LineCollector collector;
    collector.feed(bytes);
    return collector.finish();
}

char16_t fieldSeparator(QStringView line)
{
    // A tab or two inside a space-separated line is field text, as it always was.
    return line.count(u'\t') >= FieldsPerCard - 1 ? u'\t' : u' ';
}

Card cardFromLine(const QString &line)
{
    // Pieces are never trimmed: two separators in a row make an empty field.
    const QList<QStringView> pieces = QStringView(line).split(fieldSeparator(line), Qt::KeepEmptyParts);
    Card card;
    const qsizetype fields = std::min<qsizetype>(pieces.size(), FieldsPerCard);
    for (qsizetype i = 0; i < fields; ++i)
        card[static_cast<size_t>(i)] = pieces[i].toString();
    return card;
}

} // namespace lexiwren
