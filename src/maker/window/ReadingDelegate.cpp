// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadingDelegate.h"

#include "DraftTableModel.h"
#include "drill/ShowReading.h"
#include "ui/Fonts.h"
#include "ui/FormLayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <cmath>

namespace lexiwren::maker {

namespace {

// The drill's mark is 5 pixels under 64-pixel katakana.
qreal markWidth(const QFont &font)
{
    return qMax(2.0, QFontMetricsF(font).height() / 13.0);
}

} // namespace

ReadingGeometry readingGeometry(const QString &text, const QFont &font, qreal left)
{
    ReadingGeometry geometry;
    geometry.cellWidth = QFontMetricsF(font).horizontalAdvance(QChar(0x30A2)); // ア
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) {
        geometry.edges.append(left);
        return geometry;
    }
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = 0; at != -1; at = characters.toNextBoundary())
        geometry.edges.append(left + line.cursorToX(static_cast<int>(at)));
    return geometry;
}

ReadingDelegate::ReadingDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void ReadingDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->font = makeFont(FontFace::Mincho, 12.0);
    option->fontMetrics = QFontMetrics(option->font);
}

QLineF ReadingDelegate::markLine(const QString &reading, const QString &accent, const QFont &font,
                                 const QPointF &textTopLeft)
{
    const AccentSpan span = accentSpan(readingGeometry(reading, font, textTopLeft.x()), accent);
    const qreal y = textTopLeft.y() + QFontMetricsF(font).height() + markWidth(font) / 2.0;
    return {span.x1, y, span.x2, y};
}

void ReadingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString reading = item.text;
    // The cell's background, selection and focus as any other cell, without its text.
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 1, -2, -1);
    const QFontMetricsF metrics(item.font);
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(item.font);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    // The text and its mark as one block, centred as the other columns' text is.
    const qreal block = metrics.height() + 2.0 * markWidth(item.font);
    const QPointF topLeft(area.left(), area.top() + qMax(0.0, (area.height() - block) / 2.0));
    painter->drawText(QRectF(topLeft, QSizeF(area.width(), metrics.height())), Qt::AlignLeft | Qt::AlignTop, reading);
    if (!reading.isEmpty()) {
        const QLineF mark = markLine(reading, index.data(DraftTableModel::AccentRole).toString(), item.font, topLeft);
        painter->setPen(QPen(AccentLineColor, markWidth(item.font), Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(mark);
    }
    painter->restore();
}

QSize ReadingDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), rowHeight()));
    return size;
}

// The text, the mark under it with as much again below, and the cell's margins.
int ReadingDelegate::rowHeight()
{
    const QFont font = makeFont(FontFace::Mincho, 12.0);
    return static_cast<int>(std::ceil(QFontMetricsF(font).height() + 2.0 * markWidth(font))) + 6;
}

} // namespace lexiwren::maker
