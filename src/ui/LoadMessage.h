// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's message when a load fails: a window-modal box that returns at
// once. A load can fail inside a drill's wait (a nested drill's end enables
// the load button), and making a message box takes tens of milliseconds, up to
// about a hundred for the first one on a busy machine: near the end of a wait
// that would hold the next card. So a message that comes too close to a
// wait's end waits itself, until a later step is on screen.
#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QTimer>

#include <vector>

class QWidget;

namespace lexiwren {

class ProgramEnd;

class LoadMessage
{
public:
    LoadMessage(QWidget &window, ProgramEnd &end);

    // Shows the message now, or, when the current wait is about to end, early
    // in a later one (or just after the drill when none has the room).
    void show(const QString &message);

    // Called around every wait of a drill.
    void waitStarting(qint32 durationMs);
    void waitEnded();

private:
    bool hasRoom() const;
    void showPending();

    QWidget &m_window;
    ProgramEnd &m_end;
    std::vector<QDeadlineTimer> m_waitEnds; // innermost last: a click handler can run a nested drill
    QString m_pending;
    QTimer m_retry;
};

} // namespace lexiwren
