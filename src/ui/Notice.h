// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A note to the learner that never stops a drill: a non-modal box below the
// card area, so that no card text is hidden, announced to screen readers.
#pragma once

#include <QMessageBox>

namespace lexiwren {

// Opens over window (the main window, whose card area is "Picture1") and
// deletes itself when closed.
QMessageBox *showNotice(QWidget *window, QMessageBox::Icon icon, const QString &title, const QString &text,
                        const QString &objectName);

} // namespace lexiwren
