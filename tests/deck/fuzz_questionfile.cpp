// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes must load without a crash and keep the rule's promises.
#include "deck/LineCollector.h"
#include "deck/QuestionFile.h"

#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool sameResult(const QuestionFileResult &a, const QuestionFileResult &b)
{
    const auto *errorA = std::get_if<QuestionFileError>(&a);
    const auto *errorB = std::get_if<QuestionFileError>(&b);
    if (errorA || errorB)
        return errorA && errorB && errorA->kind == errorB->kind && errorA->lineNumber == errorB->lineNumber;
    return std::get<QuestionFileContents>(a).lines == std::get<QuestionFileContents>(b).lines;
}

} // namespace

// The reader warns about every file it could not decode cleanly, which for
// fuzzed bytes is most of them: the warnings would bury the fuzzer's output.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QLoggingCategory::setFilterRules(u"lexiwren.*.warning=false"_s);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QuestionFileResult whole = parseQuestionBytes(bytes);

    // Reading from disk feeds pieces; any piece size must give the same result.
    const qsizetype pieceSize = size > 0 ? 1 + data[0] % 16 : 1;
    LineCollector collector;
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize) {
        if (!collector.feed(bytes.sliced(at, std::min(pieceSize, bytes.size() - at))))
            break;
    }
    require(sameResult(whole, collector.finish()));

    if (const auto *error = std::get_if<QuestionFileError>(&whole)) {
        require(error->kind == QuestionFileError::Kind::TooFewFields
                || error->kind == QuestionFileError::Kind::LineTooLong
                || error->kind == QuestionFileError::Kind::Undecodable);
        require(error->lineNumber >= 1);
        return 0;
    }

    const QList<QString> &lines = std::get<QuestionFileContents>(whole).lines;
    require(lines.size() <= MaxCards);
    for (const QString &line : lines) {
        require(!line.isEmpty() && line.size() <= MaxLineBytes);
        const QChar separator = fieldSeparator(line);
        require(line.count(separator) >= FieldsPerCard - 1);
        require(!line.contains(u'\r') && !line.contains(u'\n'));

        const Card card = cardFromLine(line);
        const QString rebuilt = card[EnglishField] + separator + card[ReadingField] + separator + card[AccentField]
                                + separator + card[MeaningField];
        require(line == rebuilt || line.startsWith(rebuilt + separator));
    }
    return 0;
}
