// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoadMessage.h"

#include "platform/ProgramEnd.h"

#include <QMessageBox>

#include <chrono>
#include <utility>

namespace lexiwren {
namespace {

// Making the box takes real time, whatever clock the drill runs on: up to
// about 100 ms for the first box of the program on a busy two-core machine.
constexpr std::chrono::milliseconds Room{200};
// A step's new text is painted and flushed within a few milliseconds of its
// wait's start; a held message is tried after that.
constexpr std::chrono::milliseconds RetryAfterStepStart{20};

} // namespace

LoadMessage::LoadMessage(QWidget &window, ProgramEnd &end)
    : m_window(window)
    , m_end(end)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryAfterStepStart);
    QObject::connect(&m_retry, &QTimer::timeout, &m_retry, [this] {
        if (hasRoom())
            showPending();
    });
}

void LoadMessage::show(const QString &message)
{
    // A later failure replaces one not shown yet: the learner acts on the last.
    m_pending = message;
    if (hasRoom())
        showPending();
}

void LoadMessage::waitStarting(qint32 durationMs)
{
    m_waitEnds.emplace_back(std::chrono::milliseconds(durationMs));
    if (!m_pending.isEmpty())
        m_retry.start();
}

void LoadMessage::waitEnded()
{
    m_waitEnds.pop_back();
    // The drill's next wait, if it has one, starts at once and moves this on.
    if (!m_pending.isEmpty())
        m_retry.start();
}

bool LoadMessage::hasRoom() const
{
    return m_waitEnds.empty() || m_waitEnds.back().remainingTimeAsDuration() > Room;
}

void LoadMessage::showPending()
{
    m_retry.stop();
    const QString message = std::exchange(m_pending, {});
    if (message.isEmpty() || m_end.isEnding())
        return;
    // Opened, not run with exec(), which would hold a running drill until closed.
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("問題読込"), message, QMessageBox::Ok, &m_window);
    box->setTextFormat(Qt::PlainText); // the message quotes a file name, which is data
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace lexiwren
