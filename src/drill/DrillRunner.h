// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs a drill as a start button asks: the card sequence over the window's
// rows, lap after lap while laps are on, and, with speech on, each English
// word said once the bell has finished and before the card's own time. It
// stands between the card sequence and the window's view, passing every
// step on and keeping what the drill needs besides: the card in view, the
// word to say, the words that never finished.
#pragma once

#include "CardSequence.h"
#include "DrillView.h"
#include "DrillWait.h"
#include "deck/Card.h"
#include "platform/Platform.h"

#include <chrono>
#include <functional>

namespace lexiwren {

class DrillControl;
class Speaker;

enum class Order { File, Shuffled };

// The window's shared state, under the names the window gives it.
struct DrillState
{
    CardTable &deck;     // Deck
    CardTable &shuffled; // ShuffledDeck
    qint16 &cardCount;   // CardCount
    qint16 &cardIndex;   // CardIndex
    qint16 &fieldIndex;  // FieldIndex
};

class DrillRunner final : private DrillView
{
public:
    // The longest the bell may keep a word waiting, for a bell that never
    // says it has finished.
    static constexpr std::chrono::nanoseconds BellCap = std::chrono::seconds(1);
    // The longest a word may take before the card's time starts anyway.
    static constexpr std::chrono::nanoseconds SpeechCap = std::chrono::seconds(5);
    // Words in a row that reach the cap before speech is given up for the run.
    static constexpr int CappedWordsToGiveUp = 2;

    // Makes the shuffled rows of a random drill's lap from the deck.
    using LapShuffle = std::function<void(DrillState &state, RandomSource &random)>;

    DrillRunner(DrillView &view, Platform platform, DrillControl &control, DrillState state);

    // Prologue, laps of the card sequence, epilogue; returns when the drill
    // has ended, was stopped or the program is ending.
    void run(Prompt prompt, Order order);

    void setLapsOn(bool on) { m_lapsOn = on; }
    // The speaker must outlive the runner; none means no speech.
    void setSpeaker(Speaker *speaker);
    void setSpeechOn(bool on);
    bool isSpeechOn() const;

    bool isRunning() const;
    // The card on screen: the last one a drill showed, and how much of it.
    const CardInView &cardInView() const { return m_inView; }

    // The 21 swaps of the shuffled copy unless replaced.
    void setLapShuffle(LapShuffle shuffle) { m_lapShuffle = std::move(shuffle); }
    static void swapShuffle(DrillState &state, RandomSource &random);
    // The extras' whole-deck shuffle: a uniform order of every loaded card.
    static void wholeShuffle(DrillState &state, RandomSource &random);

private:
    // Said before the card's time; false when the phase is over (next, stop).
    enum class Spoken { TimeFollows, PhaseOver, Stopped };
    Spoken sayWord(const QString &word);
    void noteWordEnd(bool capped);
    void cancelSpeech();
    void reportOnce(SpeechTrouble trouble);

    // DrillView: every step goes on to the window; the waits and the card's
    // phases are the runner's too.
    void setWordText(const QString &text) override { m_view.setWordText(text); }
    void setWordVisible(bool visible) override { m_view.setWordVisible(visible); }
    void setWordPointSize(qreal points) override { m_view.setWordPointSize(points); }
    void setWordColorToBlack() override { m_view.setWordColorToBlack(); }
    void setReadingText(const QString &text) override { m_view.setReadingText(text); }
    ReadingGeometry readingGeometry() const override { return m_view.readingGeometry(); }
    void setMeaningText(const QString &text) override { m_view.setMeaningText(text); }
    void setAccentLineVisible(int line, bool visible) override { m_view.setAccentLineVisible(line, visible); }
    void setAccentX1(float x) override { m_view.setAccentX1(x); }
    float accentX1() const override { return m_view.accentX1(); }
    void setAccentX2(float x) override { m_view.setAccentX2(x); }
    void clearDrawing() override { m_view.clearDrawing(); }
    void setDrawingPointSize(qreal points) override { m_view.setDrawingPointSize(points); }
    void setDrawingPosition(int x, int y) override { m_view.setDrawingPosition(x, y); }
    void drawText(const QString &text) override { m_view.drawText(text); }
    void setLoadEnabled(bool enabled) override { m_view.setLoadEnabled(enabled); }
    bool isChecked(Option option) const override { return m_view.isChecked(option); }
    QString speedText() const override { return m_view.speedText(); }
    void beep() override { m_view.beep(); }
    bool hold(qint32 durationMs) override;
    void phaseShown(const CardInView &card) override;

    DrillView &m_view;
    Platform m_platform;
    DrillControl &m_control;
    DrillState m_state;
    DrillWait m_wait;
    LapShuffle m_lapShuffle = &DrillRunner::swapShuffle;
    bool m_lapsOn = false;
    CardInView m_inView;

    Speaker *m_speaker = nullptr;
    bool m_speechOn = false;
    QString m_wordToSay; // by the wait that follows
    int m_cappedInRow = 0;
    bool m_speechGivenUp = false; // for the rest of the program's run
    bool m_unreachableTold = false;
    bool m_neverEndTold = false;
};

} // namespace lexiwren
