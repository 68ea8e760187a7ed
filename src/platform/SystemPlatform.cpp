// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SystemPlatform.h"

#include <QApplication>
#include <QWidget>

namespace lexiwren {

std::chrono::nanoseconds SteadyClock::now()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

void QtProgramEnd::endProgram()
{
    if (m_ending || (m_holds && m_holds()))
        return;
    m_ending = true;
    // The window goes at once; the handlers still on the stack see the flag,
    // return without another step, and the main loop then exits with 0.
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace lexiwren
