// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"

#include "Extras.h"
#include "FileList.h"
#include "MediaControls.h"
#include "ToolkitTexts.h"
#include "maker/window/MakerWindow.h"
#include "platform/MprisPlayer.h"

#include <QAction>

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
    QObject::connect(m_window.extras().makeQuestionFileAction(), &QAction::triggered, &m_window,
                     [this] { openQuestionFileMaker(); });
    // 終了 with drafts not saved: the maker asks, as when it is closed itself.
    m_system.programEnd().setHold([this] { return m_maker && m_maker->isVisible() && !m_maker->close(); });
}

Program::~Program()
{
    delete m_maker;
}

maker::MakerWindow *Program::openQuestionFileMaker()
{
    if (!m_maker) {
        m_maker = new maker::MakerWindow([this] { return m_window.File1->folder(); }, m_makerEngine);
        m_maker->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(m_maker, &maker::MakerWindow::saved, &m_window,
                         [this](const QStringList &names) { showSavedFiles(names); });
    }
    m_maker->show();
    m_maker->raise();
    m_maker->activateWindow();
    return m_maker;
}

maker::MakerWindow *Program::questionFileMaker() const
{
    return m_maker;
}

// The list shows new files once the folder watch reports them; a save does
// not wait for that, and selects the first new file, ready to load.
void Program::showSavedFiles(const QStringList &names)
{
    FileList *list = m_window.File1;
    list->refresh();
    const QList<QListWidgetItem *> found = list->findItems(names.value(0), Qt::MatchExactly);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
}

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
