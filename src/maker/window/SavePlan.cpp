// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SavePlan.h"

#include "maker/Drafter.h"

#include <QDir>
#include <QSaveFile>

namespace lexiwren::maker {

namespace {

const QString Suffix = QStringLiteral(".txt");

QString withSuffix(const QString &name)
{
    return name.endsWith(Suffix, Qt::CaseInsensitive) ? name : name + Suffix;
}

} // namespace

QString fileNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || withSuffix(trimmed).compare(Suffix, Qt::CaseInsensitive) == 0)
        return QStringLiteral("ファイル名を入れてください。");
    if (trimmed.contains(u'/') || trimmed.contains(QChar(0)))
        return QStringLiteral("ファイル名に「/」は使えません。");
    if (trimmed.startsWith(u'.'))
        return QStringLiteral("「.」で始まるファイル名は問題ファイルの一覧に出ません。");
    return {};
}

QList<SavedFile> savePlan(const QString &name, const QList<Draft> &drafts)
{
    const QString whole = withSuffix(name.trimmed());
    if (drafts.size() <= CardsPerFile)
        return {{whole, drafts}};
    const QString stem = whole.left(whole.size() - Suffix.size());
    const QString suffix = whole.right(Suffix.size());
    QList<SavedFile> files;
    for (qsizetype first = 0; first < drafts.size(); first += CardsPerFile)
        files.append(
            {QStringLiteral("%1-%2%3").arg(stem).arg(files.size() + 1).arg(suffix), drafts.mid(first, CardsPerFile)});
    return files;
}

QString writeFiles(const QString &folder, const QList<SavedFile> &files)
{
    const QDir directory(folder);
    for (const SavedFile &file : files) {
        QSaveFile out(directory.filePath(file.name));
        if (!out.open(QIODevice::WriteOnly) || out.write(questionFileText(file.cards)) < 0 || !out.commit())
            return QStringLiteral("「%1」を保存できませんでした：%2").arg(file.name, out.errorString());
    }
    return {};
}

} // namespace lexiwren::maker
