// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include "Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace lexiwren {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::clearDrawing()
{
    m_drawn.clear();
    update();
    emit drawingChanged();
}

// Kept apart from the widget's font, which the card labels inside would
// otherwise be told about at every card.
void PictureBox::setDrawingPointSize(qreal points)
{
    m_drawingPixels = qMax(1, pixelsForPoints(points));
}

void PictureBox::setDrawingPosition(QPoint topLeft)
{
    m_position = topLeft;
}

void PictureBox::drawText(const QString &text)
{
    QFont drawing = font();
    if (m_drawingPixels > 0)
        drawing.setPixelSize(m_drawingPixels);
    m_drawn.append({m_position, drawing, text});
    m_position = QPoint(0, m_position.y() + QFontMetrics(drawing).height());
    update();
    emit drawingChanged();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const DrawnText &drawn : std::as_const(m_drawn)) {
        painter.setFont(drawn.font);
        painter.drawText(QRect(drawn.topLeft, size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, drawn.text);
    }
}

} // namespace lexiwren
