// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker table's reading column: the katakana with the red accent mark
// under the part the drill would mark, placed by the drill's own rule.
#pragma once

#include "drill/DrillView.h"

#include <QStyledItemDelegate>

namespace lexiwren::maker {

// Where the characters of text stand when drawn in font from left, as the
// drill's reading label measures them: one cell a character as a reader sees
// it, and the width of a full-width katakana for characters past the end.
ReadingGeometry readingGeometry(const QString &text, const QFont &font, qreal left);

class ReadingDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ReadingDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // A row tall enough for a reading and its mark.
    static int rowHeight();

    // The mark of a reading drawn from left in font, in the cell's coordinates.
    static QLineF markLine(const QString &reading, const QString &accent, const QFont &font,
                           const QPointF &textTopLeft);

protected:
    // Readings in the drill's fixed-width face, so each katakana takes one cell.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

} // namespace lexiwren::maker
