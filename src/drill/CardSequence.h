// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The card sequence that every drill runs: prologue, one pass over the
// cards, epilogue.
#pragma once

#include "DrillView.h"
#include "deck/Card.h"

namespace lexiwren {

class CardSequence
{
public:
    explicit CardSequence(DrillView &view);

    void prologue();
    // Shows every card from row 0 to cardCount - 1, counting with the window's
    // one cardIndex. Rows, the count and the index are the window's own and
    // are read live at each step: a drill started inside a wait moves the index
    // past the end, and this drill then finishes its card with that row and
    // stops. Returns false when the program ended during a wait.
    bool cardLoop(Prompt prompt, const CardTable &rows, const qint16 &cardCount, qint16 &cardIndex);
    void epilogue();

    // Laps after the first show their number in the header.
    void setLap(int lap) { m_lap = lap; }

private:
    bool showCard(Prompt prompt, const CardTable &rows, const qint16 &cardCount, const qint16 &cardIndex);
    void tellPhase(CardPhase phase, const Card &row);
    void drawHeader(qint16 cardNumber, qint16 cardCount);
    void beepUnlessSilenced();
    void showWord(const Card &row);
    void showMeaningOnly(const Card &row);
    bool holdFor(double baseMs);

    DrillView &m_view;
    int m_lap = 1;
    CardInView m_card;
};

} // namespace lexiwren
