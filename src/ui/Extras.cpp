// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Extras.h"

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
    // keyboard or headset do the same while the window has the focus.
    m_pause = addKeyAction(QStringLiteral("一時停止 / 再開"),
                           {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_MediaTogglePlayPause),
                            QKeySequence(Qt::Key_MediaPlay), QKeySequence(Qt::Key_MediaPause)});
    m_next = addKeyAction(QStringLiteral("次へ"), {QKeySequence(Qt::Key_N), QKeySequence(Qt::Key_MediaNext)});
    m_stop = addKeyAction(QStringLiteral("停止"), {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_MediaStop)});
    m_menu->addSeparator();
    m_laps = addSwitch(QStringLiteral("繰り返し"), QStringLiteral("extras/laps"));
    m_speech = addSwitch(QStringLiteral("英単語を読み上げる"), QStringLiteral("extras/speech"));

    // Windows of their own that the extras open.
    m_menu->addSeparator();
    m_makeQuestionFile = m_menu->addAction(QStringLiteral("単語リストから問題ファイルを作る…"));
    m_makeQuestionFile->setObjectName(QStringLiteral("MakeQuestionFile"));

    connect(m_pause, &QAction::triggered, &m_control, &DrillControl::togglePause);
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

QAction *Extras::addSwitch(const QString &text, const QString &key)
{
    auto *action = m_menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(m_settings.value(key, false).toBool());
    connect(action, &QAction::toggled, this, [this, key](bool on) { m_settings.setValue(key, on); });
    return action;
}

// The keys act only while a drill runs; otherwise P, N and Escape are left
// to whichever control has the focus.
void Extras::followDrillState()
{
    const bool running = m_control.isRunning();
    for (QAction *action : {m_pause, m_next, m_stop})
        action->setEnabled(running);
}

} // namespace lexiwren
