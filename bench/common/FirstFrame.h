// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Ends a start-up measurement: once the window's first frame has been painted
// and flushed, prints how long after the process began that was and quits.
//
// Along the way each start-up step can be noted, for the launcher to show
// where the time went.
//
// The launcher passes the moment it started the process, on the monotonic
// clock, in LEXIWREN_BENCH_T0_NS; without it the process's own start time
// from /proc is used, which the kernel keeps in 10 ms ticks.
#pragma once

#include <QObject>

class QWidget;

namespace lexiwren::bench {

// Prints "step NAME NS": the nanoseconds since the process began.
void noteStartupStep(const char *name);

class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    QWidget *m_window;
    bool m_seen = false;
};

} // namespace lexiwren::bench
