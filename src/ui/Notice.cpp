// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notice.h"

#include "Accessibility.h"

namespace lexiwren {

QMessageBox *showNotice(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                        const QString &objectName)
{
    auto *notice = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    notice->setObjectName(objectName);
    notice->setTextFormat(Qt::PlainText);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowModality(Qt::NonModal);
    notice->show();
    // Its size is known once shown.
    if (const auto *cards = window->findChild<QWidget *>(QStringLiteral("Picture1"))) {
        const QRect cardArea(cards->mapToGlobal(QPoint(0, 0)), cards->size());
        notice->move(cardArea.center().x() - notice->width() / 2, cardArea.bottom() + 1);
    }
    announce(notice, text);
    return notice;
}

} // namespace lexiwren
