// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of question files: the regular "*.txt" files of the working
// directory, sorted by name, kept current as files come and go.
#pragma once

#include <QFileSystemWatcher>
#include <QListWidget>

namespace lexiwren {

class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    // The bare name of the selected file, empty when nothing is selected.
    QString selectedName() const;
    // Reads the directory again, keeping the selection when its file is still there.
    void refresh();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QStringList shownNames() const;

    QFileSystemWatcher m_watcher;
};

} // namespace lexiwren
