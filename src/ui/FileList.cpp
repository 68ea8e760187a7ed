// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileList.h"

#include <QDir>

namespace lexiwren {

FileList::FileList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    m_watcher.addPath(QDir::currentPath());
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileList::refresh);
    refresh();
}

QString FileList::selectedName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// Reached by the keyboard, the list selects the file under its cursor, so
// Tab then Enter on the load button loads it.
void FileList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    if (selectedItems().isEmpty() && currentItem())
        currentItem()->setSelected(true);
}

QStringList FileList::shownNames() const
{
    QStringList shown;
    for (int row = 0; row < count(); ++row)
        shown.append(item(row)->text());
    return shown;
}

void FileList::refresh()
{
    const QString kept = selectedName();
    // Files only: a directory, FIFO or device named *.txt is no question file.
    const QStringList names = QDir::current().entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (names == shownNames())
        return;
    clear();
    addItems(names);
    if (const QList<QListWidgetItem *> found = findItems(kept, Qt::MatchExactly); !kept.isEmpty() && !found.isEmpty()) {
        setCurrentItem(found.first());
        found.first()->setSelected(true);
    }
}

} // namespace lexiwren
