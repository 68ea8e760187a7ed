// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LoadMessage.h"

#include "platform/ProgramEnd.h"

#include <QMessageBox>

#include <chrono>
#include <utility>

namespace lexiwren {
namespace {

// A step's new text is painted and flushed within a few milliseconds of the
// wait's start; the box is made after that, in the wait's slack.
constexpr std::chrono::milliseconds ShowAfterStepStart{20};

} // namespace

LoadMessage::LoadMessage(QWidget &window, ProgramEnd &end)
    : m_window(window)
    , m_end(end)
{
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(ShowAfterStepStart);
    QObject::connect(&m_showTimer, &QTimer::timeout, &m_showTimer, [this] { showNow(); });
}

void LoadMessage::show(const QString &message)
{
    // A later failure replaces one not shown yet: the learner acts on the last.
    m_pending = message;
    if (m_waits == 0) {
        m_showTimer.stop();
        showNow();
    }
}

void LoadMessage::waitStarting()
{
    ++m_waits;
    if (!m_pending.isEmpty())
        m_showTimer.start();
}

void LoadMessage::waitEnded()
{
    --m_waits;
    // The drill's next wait, if it has one, starts at once and moves this on.
    if (!m_pending.isEmpty())
        m_showTimer.start();
}

void LoadMessage::showNow()
{
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
