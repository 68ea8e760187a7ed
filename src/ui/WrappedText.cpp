// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WrappedText.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

namespace lexiwren {

void drawWrappedText(QPainter &painter, const QRectF &box, const QString &text, Qt::Alignment alignment)
{
    QTextLayout layout(text, painter.font(), painter.device());
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);

    // Each line's top lies one em below the one before; its baseline stays
    // at the face's ascent below its top.
    const qreal em = QFontInfo(painter.font()).pixelSize();
    qreal height = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0.0, height));
        height += em;
    }
    layout.endLayout();

    qreal top = box.top();
    if (alignment & Qt::AlignVCenter)
        top += (box.height() - height) / 2.0;
    else if (alignment & Qt::AlignBottom)
        top += box.height() - height;
    layout.draw(&painter, QPointF(box.left(), top));
}

} // namespace lexiwren
