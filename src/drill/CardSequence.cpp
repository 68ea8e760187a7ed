// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardSequence.h"

#include "Durations.h"
#include "NumericValue.h"
#include "ShowReading.h"

namespace lexiwren {

namespace {

const Card &rowAt(const CardTable &rows, qint16 index)
{
    // The index is shared with every other handler; never read outside the table.
    static const Card outside;
    return index >= 0 && index < TableRows ? rows[index] : outside;
}

constexpr qreal PromptWordPoints = 150.0;
// The lap stands in the header's free stretch, just left of the total.
constexpr int LapX = 720;

} // namespace

CardSequence::CardSequence(DrillView &view)
    : m_view(view)
{
}

void CardSequence::prologue()
{
    m_view.setWordText(QString());
    m_view.setWordPointSize(100.0);
    m_view.setLoadEnabled(false);
    for (int line = 1; line <= 3; ++line)
        m_view.setAccentLineVisible(line, false);
    m_view.setReadingText(QString());
}

bool CardSequence::cardLoop(Prompt prompt, const CardTable &rows, const qint16 &cardCount, qint16 &cardIndex)
{
    const auto last = static_cast<qint16>(cardCount - 1); // fixed when the loop starts
    for (cardIndex = 0; cardIndex <= last; ++cardIndex) {
        if (!showCard(prompt, rows, cardCount, cardIndex))
            return false;
    }
    return true;
}

void CardSequence::epilogue()
{
    m_view.setLoadEnabled(true);
}

bool CardSequence::showCard(Prompt prompt, const CardTable &rows, const qint16 &cardCount, const qint16 &cardIndex)
{
    drawHeader(static_cast<qint16>(cardIndex + 1), cardCount);
    m_card.number = static_cast<qint16>(cardIndex + 1);
    m_card.lap = m_lap;
    m_card.prompt = prompt;
    tellPhase(CardPhase::Header, rowAt(rows, cardIndex));
    beepUnlessSilenced();

    // The row is looked up again after each wait: a drill started inside the
    // wait may have moved the index.
    const bool englishPrompt = prompt == Prompt::English;
    if (englishPrompt) {
        showWord(rowAt(rows, cardIndex));
    } else {
        m_view.setWordPointSize(PromptWordPoints);
        m_view.setWordColorToBlack();
        showMeaningOnly(rowAt(rows, cardIndex));
    }
    tellPhase(CardPhase::Prompt, rowAt(rows, cardIndex));
    if (!holdFor(PromptBaseMs))
        return false;

    if (!m_view.isChecked(Option::AnswersOn))
        return true;
    beepUnlessSilenced();
    if (englishPrompt)
        showMeaningOnly(rowAt(rows, cardIndex));
    else
        showWord(rowAt(rows, cardIndex));
    tellPhase(CardPhase::Answer, rowAt(rows, cardIndex));
    return holdFor(AnswerBaseMs);
}

void CardSequence::tellPhase(CardPhase phase, const Card &row)
{
    m_card.phase = phase;
    m_card.row = row;
    m_view.phaseShown(m_card);
}

void CardSequence::drawHeader(qint16 cardNumber, qint16 cardCount)
{
    m_view.clearDrawing();
    m_view.setDrawingPointSize(48.0);
    m_view.setDrawingPosition(50, 15);
    m_view.drawText(QStringLiteral("No. %1 ").arg(cardNumber));
    m_view.setDrawingPointSize(24.0);
    m_view.setDrawingPosition(850, 35);
    m_view.drawText(QStringLiteral("全 %1問").arg(cardCount));
    if (m_lap > 1) {
        m_view.setDrawingPosition(LapX, 35);
        m_view.drawText(QStringLiteral("%1周目").arg(m_lap));
    }
}

void CardSequence::beepUnlessSilenced()
{
    if (!m_view.isChecked(Option::SoundOff))
        m_view.beep();
}

// The word in its prompt size, with the reading when that is on.
void CardSequence::showWord(const Card &row)
{
    m_view.setWordVisible(true);
    m_view.setWordPointSize(PromptWordPoints);
    m_view.setWordColorToBlack();
    m_view.setWordText(row[EnglishField]);
    if (m_view.isChecked(Option::ReadingOn))
        ShowReading(m_view, row);
}

// Clears the reading and lifts the word off the meaning underneath.
void CardSequence::showMeaningOnly(const Card &row)
{
    m_view.setReadingText(QString());
    m_view.setAccentLineVisible(1, false);
    m_view.setWordVisible(false);
    m_view.setMeaningText(row[MeaningField]);
}

bool CardSequence::holdFor(double baseMs)
{
    // The speed is read afresh before every wait, so a change applies at once.
    return m_view.hold(durationMs(numericValue(m_view.speedText()), baseMs));
}

} // namespace lexiwren
