// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShowReading.h"

#include "NumericValue.h"

namespace lexiwren {

namespace {

int accentCharacter(QStringView accentCode)
{
    if (accentCode.isEmpty())
        return 0;
    const QChar first = accentCode.front();
    return first >= u'0' && first <= u'9' ? first.unicode() - u'0' : 0;
}

qreal cellLeft(const ReadingGeometry &geometry, int index)
{
    const qsizetype characters = geometry.edges.size() - 1;
    if (index < characters)
        return geometry.edges[index];
    const qreal end = geometry.edges.isEmpty() ? 0.0 : geometry.edges.back();
    return end + static_cast<qreal>(index - qMax<qsizetype>(characters, 0)) * geometry.cellWidth;
}

} // namespace

AccentSpan accentSpan(const ReadingGeometry &geometry, QStringView accentCode)
{
    const int first = accentCharacter(accentCode);
    const int last = numericValue(accentCode) > 10 ? first + 1 : first;
    return {static_cast<float>(cellLeft(geometry, first)), static_cast<float>(cellLeft(geometry, last + 1))};
}

void ShowReading(DrillView &view, const Card &row)
{
    view.setReadingText(row[ReadingField]);
    view.setAccentLineVisible(1, true);
    const AccentSpan span = accentSpan(view.readingGeometry(), row[AccentField]);
    view.setAccentX1(span.x1);
    // The far end follows the near end as the line holds it.
    view.setAccentX2(view.accentX1() + (span.x2 - span.x1));
}

} // namespace lexiwren
