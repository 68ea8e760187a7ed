// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A label for card text: one line, centred at the top, on an opaque
// background. Text that fits keeps the label's size; text that does not is
// drawn just small enough to fit the label's width.
#pragma once

#include <QLabel>

class QTextLayout;

namespace lexiwren {

class CardLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CardLabel(QWidget *parent = nullptr);

    // The font the text is drawn in: the label's own, or a smaller one when
    // the text is too wide for it.
    QFont drawnFont() const;
    struct Cells
    {
        // Left edge of each character, then the right edge of the last, in
        // the label's coordinates, as the text is drawn.
        QList<qreal> edges;
        // The width of one full-width character in the drawn font.
        qreal fullWidth = 0.0;
    };
    Cells characterCells() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Line;
    Line layOut(QTextLayout &layout, const QFont &drawn) const;
    qreal textLeft(qreal textWidth) const;
};

} // namespace lexiwren
