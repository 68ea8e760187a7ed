// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras: keys that drive a running drill (pause, next, stop) and the
// switches of the extras (laps, speech), all in one menu that a right click, the Menu
// key or Shift+F10 opens. Nothing of it shows until the menu is opened, and
// its switches are remembered between runs.
#pragma once

#include <QObject>
#include <QSettings>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace lexiwren {

class DrillControl;

class Extras : public QObject
{
    Q_OBJECT
public:
    // Its keys act on the window; the switches live in the learner's
    // configuration folder under the application's name.
    Extras(QWidget *window, DrillControl &control);
    ~Extras() override;

    void popup(const QPoint &globalPosition);

    bool laps() const;
    bool speech() const;

    QMenu *menu() const { return m_menu; }
    QAction *pauseAction() const { return m_pause; }
    QAction *nextAction() const { return m_next; }
    QAction *stopAction() const { return m_stop; }
    QAction *lapsAction() const { return m_laps; }
    QAction *speechAction() const { return m_speech; }
    // Opens the question-file maker; the program connects it to the window.
    QAction *makeQuestionFileAction() const { return m_makeQuestionFile; }

private:
    QAction *addKeyAction(const QString &text, const QList<QKeySequence> &keys);
    QAction *addSwitch(const QString &text, const QString &key);
    void followDrillState();

    QWidget *m_window;
    DrillControl &m_control;
    QSettings m_settings;
    QMenu *m_menu;
    QAction *m_pause;
    QAction *m_next;
    QAction *m_stop;
    QAction *m_laps;
    QAction *m_speech;
    QAction *m_makeQuestionFile;
};

} // namespace lexiwren
