// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileList.h"

#include "Logging.h"
#include "deck/TextDecoding.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

namespace lexiwren {
namespace {

constexpr int NameBytesRole = Qt::UserRole;

// "*.txt" in any case, as the list always matched it. Hidden files stay hidden.
bool isQuestionFileName(const QByteArray &name)
{
    return !name.startsWith('.') && name.size() > 4 && name.right(4).toLower() == ".txt";
}

// Archives made on Japanese Windows unpack their names as Shift_JIS bytes.
QString shownName(const QByteArray &name)
{
    if (QByteArrayView(name).isValidUtf8())
        return QString::fromUtf8(name);
    return decodeText(name, TextEncoding::Cp932);
}

} // namespace

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    watchWorkingDirectory();
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileList::refresh);
    refresh();
}

void FileList::followWorkingDirectory()
{
    // A file of the same name in the new folder is another file.
    clearSelection();
    setCurrentItem(nullptr);
    clear();
    watchWorkingDirectory();
    refresh();
}

void FileList::watchWorkingDirectory()
{
    // The watch stays on the folder it was added for, whatever "." names later.
    if (const QStringList watched = m_watcher.directories(); !watched.isEmpty())
        m_watcher.removePaths(watched);
    // "." rather than the folder's path, which as text may no longer name a
    // folder that was itself unpacked with a Shift_JIS name.
    if (!m_watcher.addPath(QStringLiteral(".")))
        qCWarning(lcUi, "Cannot watch the folder \"%s\": files added or removed later will not show in the list",
                  qUtf8Printable(QDir::currentPath()));
}

QString FileList::folder() const
{
    return QDir::currentPath();
}

QString FileList::selectedName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QByteArray FileList::selectedNameBytes() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    const QVariant bytes = selected.first()->data(NameBytesRole);
    // An item put in by hand has its text alone.
    return bytes.isValid() ? bytes.toByteArray() : QFile::encodeName(selected.first()->text());
}

// Reached by the keyboard, the list selects the file under its cursor, so
// Tab then Enter on the load button loads it.
void FileList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    if (selectedItems().isEmpty() && currentItem())
        currentItem()->setSelected(true);
}

// Read with POSIX calls rather than QDir, which would turn a name that is not
// UTF-8 into text that no longer names the file.
QList<FileList::Entry> FileList::questionFiles()
{
    QList<Entry> files;
    DIR *folder = ::opendir(".");
    if (!folder) {
        qCWarning(lcUi, "Cannot list the working folder: %s", std::strerror(errno));
        return files;
    }
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (!isQuestionFileName(name))
            continue;
        // Files only, through links too: a directory, FIFO or device named *.txt is no question file.
        struct stat info
        {
        };
        if (::fstatat(::dirfd(folder), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        files.append({shownName(name), name});
    }
    ::closedir(folder);
    std::sort(files.begin(), files.end(), [](const Entry &a, const Entry &b) {
        // Two names can show alike once undecodable bytes become U+FFFD.
        return a.shown != b.shown ? a.shown < b.shown : a.name < b.name;
    });
    return files;
}

QList<QByteArray> FileList::listedNames() const
{
    QList<QByteArray> names;
    for (int row = 0; row < count(); ++row)
        names.append(item(row)->data(NameBytesRole).toByteArray());
    return names;
}

void FileList::refresh()
{
    const QByteArray kept = selectedNameBytes();
    const QList<Entry> files = questionFiles();
    QList<QByteArray> names;
    for (const Entry &file : files)
        names.append(file.name);
    if (names == listedNames())
        return;
    clear();
    for (const Entry &file : files) {
        auto *item = new QListWidgetItem(file.shown, this);
        item->setData(NameBytesRole, file.name);
        if (!kept.isEmpty() && file.name == kept) {
            setCurrentItem(item);
            item->setSelected(true);
        }
    }
}

} // namespace lexiwren
