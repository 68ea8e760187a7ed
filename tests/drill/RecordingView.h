// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A DrillView that writes down every step a drill takes, for comparing whole
// drills as lists of steps.
#pragma once

#include "drill/DrillView.h"

#include <QStringList>

#include <functional>

namespace lexiwren {

using namespace Qt::StringLiterals;

class RecordingView : public DrillView
{
public:
    QStringList steps;
    bool answersOn = false;
    bool soundOff = false;
    bool readingOn = false;
    QString speed = QStringLiteral("1");
    QList<qint32> holds;
    int beeps = 0;
    bool loadEnabled = true;
    QString word, reading, meaning;
    QStringList drawn;
    float x1 = 0.0f, x2 = 0.0f;
    ReadingGeometry geometry{{100.0, 164.0, 228.0, 292.0, 356.0}, 64.0};
    // Runs inside each hold, as a click handler would; return false to end the program.
    std::function<bool(qint32 durationMs)> onHold;
    // The card's phases as the drill told them, and its speech troubles.
    QList<CardInView> phases;
    QList<SpeechTrouble> troubles;

    void setWordText(const QString &text) override
    {
        word = text;
        steps << u"word="_s + text;
    }
    void setWordVisible(bool visible) override { steps << (visible ? u"show word"_s : u"hide word"_s); }
    void setWordPointSize(qreal points) override { steps << u"word size="_s + QString::number(points); }
    void setWordColorToBlack() override { steps << u"word black"_s; }
    void setReadingText(const QString &text) override
    {
        reading = text;
        steps << u"reading="_s + text;
    }
    ReadingGeometry readingGeometry() const override { return geometry; }
    void setMeaningText(const QString &text) override
    {
        meaning = text;
        steps << u"meaning="_s + text;
    }
    void setAccentLineVisible(int line, bool visible) override
    {
        steps << (visible ? u"show line"_s : u"hide line"_s) + QString::number(line);
    }
    void setAccentX1(float x) override
    {
        x1 = x;
        steps << u"x1="_s + QString::number(x);
    }
    float accentX1() const override { return x1; }
    void setAccentX2(float x) override
    {
        x2 = x;
        steps << u"x2="_s + QString::number(x);
    }
    void clearDrawing() override
    {
        drawn.clear();
        steps << u"clear"_s;
    }
    void setDrawingPointSize(qreal points) override { steps << u"draw size="_s + QString::number(points); }
    void setDrawingPosition(int x, int y) override { steps << u"at %1,%2"_s.arg(x).arg(y); }
    void drawText(const QString &text) override
    {
        drawn << text;
        steps << u"draw "_s + text;
    }
    void setLoadEnabled(bool enabled) override
    {
        loadEnabled = enabled;
        steps << (enabled ? u"enable load"_s : u"disable load"_s);
    }
    bool isChecked(Option option) const override
    {
        switch (option) {
        case Option::AnswersOn:
            return answersOn;
        case Option::SoundOff:
            return soundOff;
        case Option::ReadingOn:
            return readingOn;
        }
        return false;
    }
    QString speedText() const override { return speed; }
    void beep() override
    {
        ++beeps;
        steps << u"beep"_s;
    }
    bool hold(qint32 durationMs) override
    {
        holds << durationMs;
        steps << u"hold "_s + QString::number(durationMs);
        return onHold ? onHold(durationMs) : true;
    }
    void phaseShown(const CardInView &card) override { phases << card; }
    void speechTrouble(SpeechTrouble trouble) override { troubles << trouble; }
};

} // namespace lexiwren
