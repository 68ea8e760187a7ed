// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandButton.h"

#include "WrappedText.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace lexiwren {

CommandButton::CommandButton(const QString &text, const QColor &face, const QColor &caption, QWidget *parent)
    : QPushButton(text, parent)
    , m_caption(caption)
{
    setAutoDefault(true); // Enter presses the focused button, as Space does

    // A style sheet keeps the coloured face under every widget style.
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                                 "QPushButton:pressed { border: 2px inset #404040; }"
                                 "QPushButton:focus { border: 2px dotted #000000; }")
                      .arg(face.name()));
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setPen(isEnabled() ? m_caption : QColor(0x80, 0x80, 0x80));
    const int inset = isDown() ? 1 : 0; // the caption moves with a pressed face
    drawWrappedText(painter, rect().adjusted(3 + inset, 3 + inset, -3 + inset, -3 + inset), text(), Qt::AlignCenter);
}

} // namespace lexiwren
