// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a drill does to the window, and nothing more. Form1 implements it
// with real widgets; the tests implement it with a recorder.
#pragma once

#include "deck/Card.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace lexiwren {

enum class Option { AnswersOn, SoundOff, ReadingOn }; // Check1, Check2, Check3

enum class Prompt { English, Meaning };
// How far a card has come: its header is up, then its prompt, then its answer.
enum class CardPhase { Header, Prompt, Answer };

// The card a drill has on screen, and how much of it shows.
struct CardInView
{
    qint16 number = 0; // from 1; 0 before the first card
    int lap = 1;
    Prompt prompt = Prompt::English;
    CardPhase phase = CardPhase::Header;
    Card row;

    // The card's texts on screen: the prompt alone until the answer is up,
    // then the English word and the meaning; none while only the header is.
    QStringList shownTexts() const;
    // True while the English word is up: with the prompt of an English-first
    // drill, with the answer of a meaning-first one.
    bool showsWord() const;
};

// Why the words are not heard.
enum class SpeechTrouble {
    Unreachable,   // the speech service cannot be reached
    WordsNeverEnd, // every word runs to the cap: the service has no sound output
};

// Where the reading's characters stand, in pixels of the drawing area.
struct ReadingGeometry
{
    QList<qreal> edges;    // left edge of each character, then the right edge of the last
    qreal cellWidth = 0.0; // the width of one full-width character at the drawn size
};

class DrillView
{
public:
    virtual ~DrillView() = default;

    // The word label (Label2).
    virtual void setWordText(const QString &text) = 0;
    virtual void setWordVisible(bool visible) = 0;
    virtual void setWordPointSize(qreal points) = 0;
    virtual void setWordColorToBlack() = 0;

    // The reading (Label6) and meaning (Label7) labels.
    virtual void setReadingText(const QString &text) = 0;
    virtual ReadingGeometry readingGeometry() const = 0;
    virtual void setMeaningText(const QString &text) = 0;

    // The accent lines: 1 is the one a drill moves; 2 and 3 are only hidden.
    virtual void setAccentLineVisible(int line, bool visible) = 0;
    virtual void setAccentX1(float x) = 0;
    virtual float accentX1() const = 0;
    virtual void setAccentX2(float x) = 0;

    // Text drawn on the drawing area (Picture1).
    virtual void clearDrawing() = 0;
    virtual void setDrawingPointSize(qreal points) = 0;
    virtual void setDrawingPosition(int x, int y) = 0;
    virtual void drawText(const QString &text) = 0;

    virtual void setLoadEnabled(bool enabled) = 0; // Command6
    virtual bool isChecked(Option option) const = 0;
    virtual QString speedText() const = 0; // Combo1

    virtual void beep() = 0;
    // Holds the screen for durationMs, the card's own time; false once the
    // program is ending or the learner has stopped the drill.
    virtual bool hold(qint32 durationMs) = 0;

    // A card's header is up, then its prompt, then its answer, each with the
    // wait that holds it still to come. Nothing on screen depends on them;
    // speech and the desktop's media controls follow the card by them.
    virtual void phaseShown(const CardInView &card) { Q_UNUSED(card); }
    // Told once a run for each kind; the drill goes on without the words.
    virtual void speechTrouble(SpeechTrouble trouble) { Q_UNUSED(trouble); }
};

} // namespace lexiwren
