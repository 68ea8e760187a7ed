// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras' folder chooser: the file list shows the question files of a
// folder the learner picks rather than the one the program was started in.
// The chosen folder becomes the working directory, so that loading opens the
// selected file by its bare name as always; a running drill keeps its deck.
// The choice is remembered, and the window's title names the folder whenever
// it is not the start folder.
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QTimer>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace lexiwren {

class FileList;

class FolderChoice : public QObject
{
    Q_OBJECT
public:
    // Asks the learner for a folder, starting at the given one, and calls
    // chosen with it unless the learner cancels. It returns at once, so that
    // a running drill goes on while the learner looks.
    using Chooser =
        std::function<void(QWidget *window, const QString &from, std::function<void(const QString &folder)> chosen)>;

    // Adds its item to the menu and goes to the remembered folder, if any.
    FolderChoice(QWidget *window, FileList &list, QMenu &menu);

    // Replaces the folder dialog (tests do); an empty chooser brings it back.
    void setChooser(Chooser chooser);

    QAction *action() const { return m_action; }
    QString startFolder() const { return m_startFolder; }

    // Opens the chooser; the folder picked is gone to once picked.
    void choose();
    // Lists the folder's question files from now on and remembers it; false,
    // with nothing changed, when the folder cannot be entered.
    bool goTo(const QString &folder);

private:
    void followRemembered();
    void showTitle();
    void showMissingNotice();

    QWidget *m_window;
    FileList &m_list;
    QAction *m_action;
    QSettings m_settings;
    Chooser m_chooser;
    QString m_startFolder;
    QString m_startTitle;
    QString m_missingFolder;
    QTimer m_noticeTimer;
};

} // namespace lexiwren
