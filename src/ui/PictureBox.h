// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing area of the cards: holds the card labels and the text the
// drills draw on it (the card number and total). Drawn text is kept, so it
// survives the window being covered and repainted.
#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QWidget>

namespace lexiwren {

class PictureBox : public QWidget
{
    Q_OBJECT
public:
    struct DrawnText
    {
        QPoint topLeft;
        QFont font;
        QString text;
    };

    explicit PictureBox(QWidget *parent = nullptr);

    void clearDrawing();
    void setDrawingPointSize(qreal points);
    void setDrawingPosition(QPoint topLeft);
    // Draws text with its top-left corner at the drawing position, then moves
    // the position to the start of the next line.
    void drawText(const QString &text);

    const QList<DrawnText> &drawnTexts() const { return m_drawn; }

signals:
    void drawingChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<DrawnText> m_drawn;
    QPoint m_position;
    int m_drawingPixels = 0; // 0: the box's own font size
};

} // namespace lexiwren
