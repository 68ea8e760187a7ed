// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras: keys that drive a running drill (pause, next, stop, mark for
// review), the switches of the extras (laps, speech, the whole-deck shuffle),
// the file list's folder and the window's size, all in one menu that a right
// click, the Menu key or Shift+F10 opens. Nothing of it shows until the menu
// is opened, and its switches are remembered between runs.
#pragma once

#include <QObject>
#include <QSettings>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace lexiwren {

class DisplayScale;
class DrillControl;
class FolderChoice;

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
    // A random drill orders the whole deck anew rather than swapping 21 pairs.
    bool wholeShuffle() const;

    QAction *pauseAction() const { return m_pause; }
    QAction *reviewAction() const { return m_review; }
    QAction *lapsAction() const { return m_laps; }
    QAction *speechAction() const { return m_speech; }
    QAction *wholeShuffleAction() const { return m_wholeShuffle; }
    // The file list's folder; none in a window without a file list.
    FolderChoice *folderChoice() const { return m_folder; }
    DisplayScale &displayScale() const { return *m_scale; }
    // Opens the question-file maker; the program connects it to the window.
    QAction *makeQuestionFileAction() const { return m_makeQuestionFile; }

private:
    QAction *addKeyAction(const QString &text, const QList<QKeySequence> &keys);
    QAction *addWindowKey(const QKeySequence &key);
    QAction *addSwitch(const QString &text, const QString &key);
    void followDrillState();

    QWidget *m_window;
    DrillControl &m_control;
    QSettings m_settings;
    QMenu *m_menu;
    QAction *m_pause;
    QAction *m_pauseOnly;
    QAction *m_resumeOnly;
    QAction *m_next;
    QAction *m_stop;
    QAction *m_review;
    QAction *m_laps;
    QAction *m_speech;
    QAction *m_wholeShuffle;
    FolderChoice *m_folder = nullptr;
    DisplayScale *m_scale;
    QAction *m_makeQuestionFile;
};

} // namespace lexiwren
