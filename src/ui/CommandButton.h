// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button whose caption wraps at spaces onto several centred lines
// when it is wider than the button, as the random start buttons need.
#pragma once

#include <QPushButton>

namespace lexiwren {

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    CommandButton(const QString &text, const QColor &face, const QColor &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_caption;
};

} // namespace lexiwren
