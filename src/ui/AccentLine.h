// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A straight horizontal line of the drawing area, given by its two ends.
#pragma once

#include <QWidget>

namespace lexiwren {

class AccentLine : public QWidget
{
    Q_OBJECT
public:
    AccentLine(int y, int width, const QColor &color, QWidget *parent = nullptr);

    void setX1(float x);
    void setX2(float x);
    float x1() const { return m_x1; }
    float x2() const { return m_x2; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    float m_x1 = 0.0f;
    float m_x2 = 0.0f;
    int m_y;
    int m_width;
    QColor m_color;
};

} // namespace lexiwren
