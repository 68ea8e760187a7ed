// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Text of several lines in a fixed rectangle: the wrapping label and the
// captions of the random start buttons.
#pragma once

#include <Qt>

class QPainter;
class QRectF;
class QString;

namespace lexiwren {

// Draws text wrapped to the box's width with the painter's font and pen,
// its lines one em apart: the layout was drawn for faces whose ascent and
// descent add up to the em, and the Japanese glyphs of every face stay
// inside it. A face that adds more (the IPA faces add a tenth for the
// descenders of Latin letters) would otherwise push a third line of 12 pt
// out of a 49-pixel label.
void drawWrappedText(QPainter &painter, const QRectF &box, const QString &text, Qt::Alignment alignment);

} // namespace lexiwren
