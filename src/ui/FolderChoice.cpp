// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FolderChoice.h"

#include "FileList.h"
#include "Logging.h"
#include "Notice.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace lexiwren {

namespace {

const QString FolderKey = QStringLiteral("extras/folder");

// Qt's own dialog rather than the desktop's, so that it speaks Japanese
// whatever the desktop's language; window-modal and shown without a loop of
// its own (as getExistingDirectory would run one over a drill's wait).
void askForFolder(QWidget *window, const QString &from, std::function<void(const QString &)> chosen)
{
    auto *dialog = new QFileDialog(window, QStringLiteral("問題ファイルのフォルダを選ぶ"), from);
    dialog->setObjectName(QStringLiteral("FolderDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, window, std::move(chosen));
    dialog->open();
}

bool sameFolder(const QString &a, const QString &b)
{
    return QDir(a).canonicalPath() == QDir(b).canonicalPath();
}

} // namespace

FolderChoice::FolderChoice(QWidget *window, FileList &list, QMenu &menu)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_action(menu.addAction(QStringLiteral("フォルダを選ぶ…")))
    , m_startFolder(QDir::currentPath())
    , m_startTitle(window->windowTitle())
{
    setChooser({});
    connect(m_action, &QAction::triggered, this, &FolderChoice::choose);
    followRemembered();
}

void FolderChoice::setChooser(Chooser chooser)
{
    m_chooser = chooser ? std::move(chooser) : Chooser(askForFolder);
}

void FolderChoice::choose()
{
    m_chooser(m_window, QDir::currentPath(), [this](const QString &folder) {
        if (!folder.isEmpty())
            goTo(folder);
    });
}

bool FolderChoice::goTo(const QString &folder)
{
    if (!QDir::setCurrent(folder)) {
        qCWarning(lcUi, "Cannot enter the folder \"%s\": the list stays as it is", qUtf8Printable(folder));
        return false;
    }
    m_settings.setValue(FolderKey, QDir::currentPath());
    m_list.followWorkingDirectory();
    showTitle();
    return true;
}

// A remembered folder that is gone (a memory stick taken out, say) is
// forgotten: the list stays on the start folder, and the learner is told why.
void FolderChoice::followRemembered()
{
    const QString folder = m_settings.value(FolderKey).toString();
    if (folder.isEmpty())
        return;
    if (QDir(folder).exists() && goTo(folder))
        return;
    m_settings.remove(FolderKey);
    // Once the window is up, so that the notice can be placed beside its card.
    m_missingFolder = folder;
    m_noticeTimer.setSingleShot(true);
    connect(&m_noticeTimer, &QTimer::timeout, this, &FolderChoice::showMissingNotice);
    m_noticeTimer.start(0);
}

void FolderChoice::showTitle()
{
    if (sameFolder(QDir::currentPath(), m_startFolder))
        m_window->setWindowTitle(m_startTitle);
    else
        m_window->setWindowTitle(m_startTitle + u' ' + QDir::toNativeSeparators(QDir::currentPath()));
}

// Non-modal, and below the card area so that it hides no card text.
void FolderChoice::showMissingNotice()
{
    const QString &folder = m_missingFolder;
    showNotice(m_window, QMessageBox::Information, QStringLiteral("問題ファイルのフォルダ"),
               QStringLiteral("前に選んだフォルダ「%1」が見つかりません。\n"
                              "起動したフォルダ「%2」の問題ファイルを表示します。")
                   .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(m_startFolder)),
               QStringLiteral("FolderNotice"));
}

} // namespace lexiwren
