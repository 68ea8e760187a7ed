// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MakeCommand.h"

#include "deck/Card.h"
#include "deck/TextDecoding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

void say(QIODevice &err, const QString &text)
{
    err.write((text + u'\n').toUtf8());
}

// A word list is UTF-8 or UTF-16 with its byte-order mark, or else Shift_JIS
// as older Japanese editors save it.
QString decodeWordList(const QByteArray &bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
        marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeText(bytes, TextEncoding::Cp932);
}

} // namespace

bool isMakeCommand(int argc, const char *const *argv)
{
    return argc >= 2 && std::strcmp(argv[1], "--make") == 0;
}

int runMakeCommand(const QStringList &arguments, QIODevice &out, QIODevice &err, const DictionaryPaths &defaults)
{
    const QString usage =
        u"使い方: lexiwren --make 単語ファイル [--edict EDICTのファイル] [--cmu CMU発音辞書のファイル]"_s;
    DictionaryPaths paths = defaults;
    QString wordFile;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--make" && hasValue && wordFile.isEmpty()) {
            wordFile = arguments.at(++i);
        } else if (argument == u"--edict" && hasValue) {
            paths.edict = arguments.at(++i);
        } else if (argument == u"--cmu" && hasValue) {
            paths.cmu = arguments.at(++i);
        } else {
            say(err, usage);
            return 2;
        }
    }
    if (wordFile.isEmpty()) {
        say(err, usage);
        return 2;
    }

    QFile file(wordFile);
    if (!QFileInfo(wordFile).isFile()) {
        say(err, u"単語ファイル %1 が見つかりません。"_s.arg(wordFile));
        return 1;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        say(err, u"単語ファイル %1 を読めません（%2）。"_s.arg(wordFile, file.errorString()));
        return 1;
    }
    const QStringList words = wordList(decodeWordList(file.readAll()));
    if (words.isEmpty()) {
        say(err, u"単語ファイル %1 に単語がありません。1 行に 1 語ずつ書いてください。"_s.arg(wordFile));
        return 1;
    }

    QString error;
    const std::unique_ptr<Drafter> drafter = Drafter::load(paths, {}, &error);
    if (!drafter) {
        say(err, error);
        return 1;
    }
    QList<Draft> drafts;
    drafts.reserve(words.size());
    for (const QString &word : words)
        drafts.append(drafter->draft(word));
    out.write(questionFileText(drafts));

    for (qsizetype i = 0; i < drafts.size(); ++i) {
        const Draft &draft = drafts.at(i);
        if (draft.flags.isEmpty())
            continue;
        QStringList reasons;
        for (const Flag flag : draft.flags)
            reasons.append(flagText(flag));
        say(err, u"%1: %2: %3"_s.arg(i + 1).arg(draft.english, reasons.join(u"、"_s)));
    }
    if (drafts.size() > MaxCards)
        say(err,
            u"注意: 問題ファイルは 1 つにつき %1 枚までしか読み込まれません（%2 枚を書き出しました）。"_s.arg(MaxCards)
                .arg(drafts.size()));
    return 0;
}

int makeCommandMain(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
        return 1;
    return runMakeCommand(QCoreApplication::arguments().mid(1), out, err);
}

} // namespace lexiwren::maker
