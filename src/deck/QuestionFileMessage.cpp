// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The learner reads these in the window's message box, so they say what to do next.
#include "QuestionFile.h"

using namespace Qt::StringLiterals;

namespace lexiwren {

QString QuestionFileError::message(const QString &fileName) const
{
    // One multi-argument arg() call, so a "%2" inside a file name stays as it is.
    const QString line = QString::number(lineNumber);
    switch (kind) {
    case Kind::NothingSelected:
        return u"問題ファイルが選ばれていません。一覧からファイルを選んでから「問題読込」を押してください。"_s;
    case Kind::Missing:
        return u"「%1」が見つかりません。"_s.arg(fileName);
    case Kind::NotRegularFile:
        return u"「%1」は普通のファイルではないので読み込めません。"_s.arg(fileName);
    case Kind::Unreadable:
        if (detail.isEmpty())
            return u"「%1」を読み込めません。"_s.arg(fileName);
        return u"「%1」を読み込めません（%2）。"_s.arg(fileName, detail);
    case Kind::TooFewFields:
        return u"「%1」の %2 行目は項目が足りません。"
               u"英単語・読み・アクセント・意味の 4 つを半角スペースかタブで区切って書いてください。"_s.arg(fileName,
                                                                                                            line);
    case Kind::Undecodable:
        return u"「%1」の %2 行目に読めない文字があります（%3 として読みました）。"
               u"ファイルを %3 で保存し直してください。"_s.arg(fileName, line, detail);
    case Kind::LineTooLong:
        return u"「%1」の %2 行目が長すぎます（1 行は %3 バイトまでです）。"_s.arg(fileName, line,
                                                                                   QString::number(MaxLineBytes));
    }
    return u"「%1」を読み込めません。"_s.arg(fileName);
}

} // namespace lexiwren
