// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Kanjidic.h"

#include <QStringDecoder>

#include <algorithm>

namespace lexiwren::maker {

namespace {

bool isKanji(QChar c)
{
    return (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) || c == u'々';
}

} // namespace

KanjiGrades::KanjiGrades(const QByteArray &eucJpBytes)
{
    QStringDecoder decoder("EUC-JP");
    const QString text = decoder.decode(eucJpBytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n', Qt::SkipEmptyParts);
    for (const QStringView line : lines) {
        if (line.size() < 3 || line.startsWith(u'#') || line[1] != u' ' || !isKanji(line[0]))
            continue;
        int level = 9;
        const QList<QStringView> fields = line.sliced(2).split(u' ', Qt::SkipEmptyParts);
        for (const QStringView field : fields) {
            if (field.startsWith(u'{'))
                break; // the English meanings close the line
            if (field.size() >= 2 && field[0] == u'G' && field[1].isDigit()) {
                const int grade = field.sliced(1).toInt();
                level = grade <= 6 ? grade : (grade == 8 ? 7 : 8);
                break;
            }
        }
        m_levels.insert(line[0].unicode(), level);
    }
}

int KanjiGrades::level(char16_t kanji) const
{
    return m_levels.value(kanji, 9);
}

int KanjiGrades::headwordLevel(QStringView headword) const
{
    if (m_levels.isEmpty())
        return 0;
    int worst = 0;
    for (const QChar c : headword)
        if (isKanji(c) && c != u'々')
            worst = std::max(worst, level(c.unicode()));
    return worst;
}

} // namespace lexiwren::maker
