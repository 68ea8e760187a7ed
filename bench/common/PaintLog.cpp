// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintLog.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace lexiwren::bench {

namespace {

std::chrono::nanoseconds now()
{
    return std::chrono::steady_clock::now().time_since_epoch();
}

} // namespace

PaintLog::PaintLog(QWidget *window, const std::vector<QWidget *> &labels)
    : m_window(window)
    , m_labels(labels)
{
    m_window->installEventFilter(this);
    for (QWidget *label : m_labels)
        label->installEventFilter(this);
}

void PaintLog::clear()
{
    m_paints.clear();
    m_syncEnds.clear();
}

bool PaintLog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest && watched == m_window) {
        watched->event(event);
        m_syncEnds.push_back(now());
        return true;
    }
    if (event->type() == QEvent::Paint && std::find(m_labels.begin(), m_labels.end(), watched) != m_labels.end()) {
        const auto *label = static_cast<const QLabel *>(watched);
        LabelPaint paint{label, label->text(), now(), {}};
        watched->event(event);
        paint.end = now();
        m_paints.push_back(paint);
        return true;
    }
    return false;
}

} // namespace lexiwren::bench
