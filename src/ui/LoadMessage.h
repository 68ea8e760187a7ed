// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's message when a load fails: a window-modal box that returns at
// once. A load can fail inside a drill's wait (a nested drill's end enables
// the load button), and making a message box takes tens of milliseconds: at
// the end of a wait that would hold the next card. So a message that comes
// during a wait waits itself, until the drill's next step is on screen.
#pragma once

#include <QString>
#include <QTimer>

class QWidget;

namespace lexiwren {

class ProgramEnd;

class LoadMessage
{
public:
    LoadMessage(QWidget &window, ProgramEnd &end);

    // Shows the message now, or, during a wait, early in the next one (or
    // just after the drill when there is none).
    void show(const QString &message);

    // Called around every wait of a drill.
    void waitStarting();
    void waitEnded();

private:
    void showNow();

    QWidget &m_window;
    ProgramEnd &m_end;
    int m_waits = 0;
    QString m_pending;
    QTimer m_showTimer;
};

} // namespace lexiwren
