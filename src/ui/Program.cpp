// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"

#include "MediaControls.h"
#include "ToolkitTexts.h"
#include "platform/MprisPlayer.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <functional>

namespace lexiwren {

namespace {

// Runs a task once the window has painted its first frame, or after a second
// if it is never painted (started hidden, say).
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWidget &window, std::function<void()> task)
        : QObject(&window)
        , m_task(std::move(task))
    {
        window.installEventFilter(this);
        // Just after the paint, once the frame is out.
        m_soon.setSingleShot(true);
        connect(&m_soon, &QTimer::timeout, this, &AfterFirstFrame::run);
        m_unpainted.setSingleShot(true);
        connect(&m_unpainted, &QTimer::timeout, this, &AfterFirstFrame::run);
        m_unpainted.start(std::chrono::seconds(1));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_soon.start(0);
        return false;
    }

private:
    void run()
    {
        if (m_task)
            std::exchange(m_task, {})();
        deleteLater();
    }

    std::function<void()> m_task;
    QTimer m_soon;
    QTimer m_unpainted;
};

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Lexiwren"));
    QApplication::setOrganizationName(QStringLiteral("Lexiwren"));
    QApplication::setDesktopFileName(QStringLiteral("org.lexiwren.Lexiwren"));
    installJapaneseToolkitTexts();
}

Program::Program()
    : m_window(m_system.platform())
{
    m_window.setSpeaker(&m_speaker);
}

Program::~Program() = default;

void Program::show()
{
    // Joining the session bus takes a few round trips to it.
    new AfterFirstFrame(m_window, [this] {
        m_mediaControls = std::make_unique<MprisPlayer>(QDBusConnection::sessionBus());
        if (m_mediaControls->isRegistered())
            connectMediaControls(*m_mediaControls, m_window);
    });
    m_window.show();
}

} // namespace lexiwren
