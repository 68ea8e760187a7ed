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

Card cardFromLine(const QString &line)
{
    // Pieces are never trimmed: two spaces in a row make an empty field.
    const QList<QStringView> pieces = QStringView(line).split(u' ', Qt::KeepEmptyParts);
    Card card;
    const qsizetype fields = std::min<qsizetype>(pieces.size(), FieldsPerCard);
    for (qsizetype i = 0; i < fields; ++i)
        card[static_cast<size_t>(i)] = pieces[i].toString();
    return card;
}

} // namespace lexiwren
