// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A window in a fresh working directory, with every seam faked.
#pragma once

#include "fakes/FakePlatform.h"
#include "ui/FileList.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace lexiwren {

using namespace Qt::StringLiterals;

class FormFixture
{
public:
    FormFixture()
        : m_previousDirectory(QDir::currentPath())
    {
        QDir::setCurrent(m_directory.path());
    }
    ~FormFixture() { QDir::setCurrent(m_previousDirectory); }

    // Writes a question file of the given lines, LF-ended, in UTF-8.
    void writeFile(const QString &name, const QStringList &lines)
    {
        QFile file(m_directory.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(u'\n').toUtf8() + '\n');
    }

    // The window, made once the files it should list are written.
    Form1 &form()
    {
        if (!m_form) {
            m_form = std::make_unique<Form1>(fakes.platform());
            m_form->setErrorReporter([this](const QString &message) { errors << message; });
        }
        return *m_form;
    }

    // Selects a file in the list and presses the load button.
    void load(const QString &name)
    {
        Form1 &window = form();
        window.File1->refresh();
        const QList<QListWidgetItem *> found = window.File1->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        window.File1->setCurrentItem(found.first());
        QTest::mouseClick(window.Command6, Qt::LeftButton);
    }

    // The window with a question file of these lines written and loaded.
    Form1 &loaded(const QStringList &lines)
    {
        writeFile(u"cards.txt"_s, lines);
        load(u"cards.txt"_s);
        return form();
    }

    QString path(const QString &name) const { return m_directory.filePath(name); }

    FakePlatform fakes;
    QStringList errors;

private:
    QTemporaryDir m_directory;
    QString m_previousDirectory;
    std::unique_ptr<Form1> m_form;
};

} // namespace lexiwren
