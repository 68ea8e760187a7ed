// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a drill does to the window, and nothing more. Form1 implements it
// with real widgets; the tests implement it with a recorder.
#pragma once

#include "deck/Card.h"

#include <QList>
#include <QString>
#include <QtGlobal>

namespace lexiwren {

enum class Option { AnswersOn, SoundOff, ReadingOn }; // Check1, Check2, Check3

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
    // Holds the screen for durationMs; false once the program is ending or
    // the learner has stopped the drill.
    virtual bool pause(qint32 durationMs) = 0;

    // A card's header is up: its number from 1 and its row. Nothing on screen
    // depends on it; the desktop's media controls show the card from it.
    virtual void cardShown(qint16 number, const Card &row)
    {
        Q_UNUSED(number);
        Q_UNUSED(row);
    }
    // The English word is on screen (with its reading, if that is on), and
    // the wait that holds it comes next. For speech; the screen is done.
    virtual void wordShown(const QString &word) { Q_UNUSED(word); }
};

} // namespace lexiwren
