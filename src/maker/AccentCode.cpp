// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccentCode.h"

#include "drill/ShowReading.h"

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

QString accentCode(int start, int length)
{
    if (start < 0 || start > 9 || length < 1 || length > 2)
        return {};
    if (length == 1)
        return QString::number(start);
    // The first character must read as kana 0 and the whole value exceed 10.
    if (start == 0)
        return u"+12"_s;
    return QString::number(start) + QString::number(start + 1);
}

bool accentCodeMarks(QStringView code, int start, int length)
{
    // One cell of width 1 per kana, a reading long enough for any code.
    ReadingGeometry geometry;
    constexpr int cells = 16;
    for (int edge = 0; edge <= cells; ++edge)
        geometry.edges.append(edge);
    geometry.cellWidth = 1.0;
    const AccentSpan span = accentSpan(geometry, code);
    return qFuzzyCompare(span.x1 + 1.0f, static_cast<float>(start) + 1.0f)
           && qFuzzyCompare(span.x2 + 1.0f, static_cast<float>(start + length) + 1.0f);
}

} // namespace lexiwren::maker
