// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace lexiwren {

struct CardLabel::Line
{
    QTextLine line;
    qreal left = 0.0;
};

CardLabel::CardLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

QFont CardLabel::drawnFont() const
{
    QFont drawn = font();
    const qreal available = contentsRect().width();
    qreal wide = QFontMetricsF(drawn).horizontalAdvance(text());
    if (wide <= available || drawn.pixelSize() <= 1)
        return drawn;
    // Scale in proportion first, then step down for fonts whose widths do not
    // scale exactly with their size.
    int pixels = qMax(1, static_cast<int>(drawn.pixelSize() * available / wide));
    drawn.setPixelSize(pixels);
    while (pixels > 1 && QFontMetricsF(drawn).horizontalAdvance(text()) > available)
        drawn.setPixelSize(--pixels);
    return drawn;
}

qreal CardLabel::textLeft(qreal textWidth) const
{
    const QRect area = contentsRect();
    return area.left() + (area.width() - textWidth) / 2.0;
}

CardLabel::Line CardLabel::layOut(QTextLayout &layout, const QFont &drawn) const
{
    layout.setFont(drawn);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return {line, line.isValid() ? textLeft(line.naturalTextWidth()) : textLeft(0.0)};
}

CardLabel::Cells CardLabel::characterCells() const
{
    // One font for both: finding it may take several measurements of the text.
    const QFont drawn = drawnFont();
    const QString shown = text();
    QTextLayout layout(shown);
    const Line laidOut = layOut(layout, drawn);
    Cells cells;
    cells.fullWidth = QFontMetricsF(drawn).horizontalAdvance(QChar(0x30A2)); // ア
    if (!laidOut.line.isValid()) {
        cells.edges.append(laidOut.left);
        return cells;
    }
    // Characters as a reader sees them: a base letter with its combining marks is one.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, shown);
    for (qsizetype at = 0; at != -1; at = characters.toNextBoundary())
        cells.edges.append(laidOut.left + laidOut.line.cursorToX(static_cast<int>(at)));
    return cells;
}

void CardLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QTextLayout layout(text());
    const Line laidOut = layOut(layout, drawnFont());
    painter.setPen(palette().color(QPalette::WindowText));
    layout.draw(&painter, QPointF(laidOut.left, contentsRect().top()));
}

} // namespace lexiwren
