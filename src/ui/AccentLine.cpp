// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccentLine.h"

#include <QPainter>

#include <cmath>

namespace lexiwren {

AccentLine::AccentLine(int y, int width, const QColor &color, QWidget *parent)
    : QWidget(parent)
    , m_y(y)
    , m_width(width)
    , m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void AccentLine::setX1(float x)
{
    m_x1 = x;
    place();
}

void AccentLine::setX2(float x)
{
    m_x2 = x;
    place();
}

// The widget is exactly the line's band: the width straddles y, the ends are
// the pixels from x1 up to x2.
void AccentLine::place()
{
    const int left = static_cast<int>(std::lround(std::min(m_x1, m_x2)));
    const int right = static_cast<int>(std::lround(std::max(m_x1, m_x2)));
    setGeometry(left, m_y - m_width / 2, qMax(1, right - left), m_width);
    update();
}

void AccentLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

} // namespace lexiwren
