// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of question files: the regular "*.txt" files of the working
// directory, sorted by name, kept current as files come and go. Each item
// keeps its name's own bytes beside the text it shows, so a name that is not
// UTF-8 (Shift_JIS from a Windows archive) still opens.
#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QList>
#include <QListWidget>

namespace lexiwren {

class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    // The bare name of the selected file as shown, empty when nothing is selected.
    QString selectedName() const;
    // The same name in the file system's bytes, for opening the file.
    QByteArray selectedNameBytes() const;
    // The folder the list shows, as an absolute path.
    QString folder() const;
    // Reads the directory again, keeping the selection when its file is still there.
    void refresh();
    // Lists and watches the working directory anew once it has changed.
    void followWorkingDirectory();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    struct Entry
    {
        QString shown;
        QByteArray name;
    };
    void watchWorkingDirectory();
    static QList<Entry> questionFiles();
    QList<QByteArray> listedNames() const;

    QFileSystemWatcher m_watcher;
};

} // namespace lexiwren
