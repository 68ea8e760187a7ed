// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// When the window's labels were painted, with what text, and when the
// window's backing store was synced and flushed after.
//
// An event filter sees an event before the widget does; to also note when
// the painting ended, it hands the event to the widget itself and keeps it
// from being delivered a second time.
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <vector>

class QWidget;

namespace lexiwren::bench {

struct LabelPaint
{
    const QWidget *label = nullptr;
    QString text;
    std::chrono::nanoseconds begin{};
    std::chrono::nanoseconds end{};
};

class PaintLog : public QObject
{
public:
    // Watches the paints of labels and the update requests of window.
    PaintLog(QWidget *window, const std::vector<QWidget *> &labels);

    void clear();
    const std::vector<LabelPaint> &paints() const { return m_paints; }
    // When each sync of the window ended: every dirty widget painted and flushed.
    const std::vector<std::chrono::nanoseconds> &syncEnds() const { return m_syncEnds; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::vector<QWidget *> m_labels;
    std::vector<LabelPaint> m_paints;
    std::vector<std::chrono::nanoseconds> m_syncEnds;
};

} // namespace lexiwren::bench
