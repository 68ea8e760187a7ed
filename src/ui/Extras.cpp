// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Extras.h"

#include "DisplayScale.h"
#include "FileList.h"
#include "FolderChoice.h"
#include "Fonts.h"
#include "drill/DrillControl.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace lexiwren {

Extras::Extras(QWidget *window, DrillControl &control)
    : QObject(window)
    , m_window(window)
    , m_control(control)
    , m_menu(new QMenu(window))
{
    m_menu->setObjectName(QStringLiteral("ExtrasMenu"));
    m_menu->setFont(makeFont(FontFace::Gothic, 12.0));
    // The first key of each is the one the menu shows; the media keys of a
    // keyboard or headset do the same while the window has the focus. A
    // Pause key only pauses and a Play key only resumes, as the desktop's
    // media controls do.
    m_pause = addKeyAction(QStringLiteral("一時停止 / 再開"),
                           {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_MediaTogglePlayPause)});
    m_pauseOnly = addWindowKey(QKeySequence(Qt::Key_MediaPause));
    m_resumeOnly = addWindowKey(QKeySequence(Qt::Key_MediaPlay));
    m_next = addKeyAction(QStringLiteral("次へ"), {QKeySequence(Qt::Key_N), QKeySequence(Qt::Key_MediaNext)});
    m_stop = addKeyAction(QStringLiteral("停止"), {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_MediaStop)});
    // The window marks the card in view; the key is only the learner's way in.
    m_review = addKeyAction(QStringLiteral("このカードを復習に入れる"), {QKeySequence(Qt::Key_M)});
    m_menu->addSeparator();
    m_laps = addSwitch(QStringLiteral("繰り返し"), QStringLiteral("extras/laps"));
    m_speech = addSwitch(QStringLiteral("英単語を読み上げる"), QStringLiteral("extras/speech"));
    m_wholeShuffle = addSwitch(QStringLiteral("全体をシャッフル"), QStringLiteral("extras/wholeShuffle"));
    m_menu->addSeparator();
    if (auto *list = window->findChild<FileList *>())
        m_folder = new FolderChoice(window, *list, *m_menu);
    m_scale = new DisplayScale(window, *m_menu, m_control);

    // Windows of their own that the extras open.
    m_menu->addSeparator();
    m_makeQuestionFile = m_menu->addAction(QStringLiteral("単語リストから問題ファイルを作る…"));
    m_makeQuestionFile->setObjectName(QStringLiteral("MakeQuestionFile"));

    connect(m_pause, &QAction::triggered, &m_control, &DrillControl::togglePause);
    connect(m_pauseOnly, &QAction::triggered, &m_control, &DrillControl::pause);
    connect(m_resumeOnly, &QAction::triggered, &m_control, &DrillControl::resume);
    connect(m_next, &QAction::triggered, &m_control, &DrillControl::next);
    connect(m_stop, &QAction::triggered, &m_control, &DrillControl::stop);
    connect(&m_control, &DrillControl::stateChanged, this, &Extras::followDrillState);
    followDrillState();
}

Extras::~Extras() = default;

void Extras::popup(const QPoint &globalPosition)
{
    m_menu->popup(globalPosition);
}

bool Extras::laps() const
{
    return m_laps->isChecked();
}

bool Extras::speech() const
{
    return m_speech->isChecked();
}

bool Extras::wholeShuffle() const
{
    return m_wholeShuffle->isChecked();
}

// Added to the window as well as the menu, so the keys work with the menu
// closed. A line edit claims the letters typed into it before a shortcut
// sees them, so P and N still go into the speed box.
QAction *Extras::addKeyAction(const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(action);
    m_menu->addAction(action);
    return action;
}

// A key of the window alone: the menu already offers what it does.
QAction *Extras::addWindowKey(const QKeySequence &key)
{
    auto *action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(action);
    return action;
}

QAction *Extras::addSwitch(const QString &text, const QString &key)
{
    auto *action = m_menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(m_settings.value(key, false).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) { m_settings.setValue(key, on); });
    return action;
}

// The keys act only while a drill runs; otherwise P, N, M and Escape are left
// to whichever control has the focus.
void Extras::followDrillState()
{
    const bool running = m_control.isRunning();
    for (QAction *action : {m_pause, m_pauseOnly, m_resumeOnly, m_next, m_stop, m_review})
        action->setEnabled(running);
}

} // namespace lexiwren
