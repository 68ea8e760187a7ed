// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PartSpellings.h"

#include "DictionarySpelling.h"
#include "ReadingDrafter.h"

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

constexpr qsizetype shortestPart = 3;

bool isVowelLetter(QChar c)
{
    return QStringView(u"aeiouy").contains(c);
}

// Endings that inflect a word or make another from it.
const QStringList &endings()
{
    static const QStringList list = {u"s"_s,    u"es"_s,    u"ed"_s, u"d"_s,   u"ing"_s,  u"ings"_s, u"er"_s,
                                     u"ers"_s,  u"r"_s,     u"rs"_s, u"ist"_s, u"ists"_s, u"ism"_s,  u"ness"_s,
                                     u"ment"_s, u"ments"_s, u"ly"_s, u"ish"_s, u"ful"_s,  u"less"_s, u"y"_s};
    return list;
}

// The stems a word may be built on, longest first: the word less an ending,
// also with a silent e put back (managing → manage), a doubled consonant
// undone (running → run) or y for i (parties → party) before an ending that
// starts with a vowel.
QStringList stems(const QString &word)
{
    QStringList found;
    const auto add = [&](const QString &stem) {
        if (stem.size() >= shortestPart && !found.contains(stem))
            found.append(stem);
    };
    for (qsizetype length = word.size() - 1; length >= shortestPart; --length) {
        if (!endings().contains(word.mid(length)))
            continue;
        const QString stem = word.left(length);
        add(stem);
        if (!isVowelLetter(word[length]))
            continue;
        const QChar last = stem.back();
        if (!isVowelLetter(last))
            add(stem + u'e');
        if (length >= 4 && last == stem[length - 2] && !isVowelLetter(last))
            add(stem.chopped(1));
        if (last == u'i')
            add(stem.chopped(1) + u'y');
    }
    return found;
}

// Whether the word is said as its two parts said one after the other
// (weekend, not surface as surf + ace). A word the CMU dictionary lacks is
// read part by part anyway.
bool saidAsParts(const CmuDictionary &cmu, const QString &word, const QString &head, const QString &tail)
{
    const QList<CmuEntry> whole = cmu.lookup(word);
    const QList<CmuEntry> first = cmu.lookup(head);
    const QList<CmuEntry> second = cmu.lookup(tail);
    if (first.isEmpty() || second.isEmpty())
        return false;
    if (whole.isEmpty())
        return true;
    QList<QByteArray> joined;
    for (const Phone &phone : first.front().pronunciation.phones)
        joined.append(phone.symbol);
    for (const Phone &phone : second.front().pronunciation.phones)
        joined.append(phone.symbol);
    for (const CmuEntry &entry : whole) {
        QList<QByteArray> said;
        for (const Phone &phone : entry.pronunciation.phones)
            said.append(phone.symbol);
        if (said == joined)
            return true;
    }
    return false;
}

qsizetype commonPrefix(QStringView a, QStringView b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

} // namespace

PartSpellings::PartSpellings(const ReadingDrafter &readings, SpellingsOf spellingsOf)
    : m_readings(readings)
    , m_spellingsOf(std::move(spellingsOf))
{
}

QString PartSpellings::partSpelling(const QString &part, QString *rules) const
{
    if (!m_readings.cmu().contains(part))
        return {};
    const QStringList candidates = m_spellingsOf(part);
    if (candidates.isEmpty())
        return {};
    const KanaReading own = m_readings.rulesReading(part, nullptr);
    bool taken = false;
    const KanaReading chosen = chooseSpelling(own, candidates, &taken);
    if (!taken)
        return {};
    *rules = own.kana;
    return chosen.kana;
}

QStringList PartSpellings::spellings(const QString &word, const QString &whole) const
{
    const QString lower = word.toLower();
    for (const QChar c : lower)
        if (c < u'a' || c > u'z')
            return {};
    if (whole.isEmpty())
        return {};
    QStringList found;
    QString ignored;
    // Two words the dictionary spells, each as it spells them.
    for (qsizetype split = shortestPart; split + shortestPart <= lower.size(); ++split) {
        if (endings().contains(lower.mid(split))
            || !saidAsParts(m_readings.cmu(), lower, lower.left(split), lower.mid(split)))
            continue;
        const QString head = partSpelling(lower.left(split), &ignored);
        const QString tail = head.isEmpty() ? QString() : partSpelling(lower.mid(split), &ignored);
        if (!tail.isEmpty())
            found.append(head + tail);
    }
    // The longest stem the dictionary spells: its spelling replaces the part
    // of the word's reading that the stem's own reading shares.
    for (const QString &stem : stems(lower)) {
        QString stemRules;
        const QString spelled = partSpelling(stem, &stemRules);
        if (spelled.isEmpty())
            continue;
        const qsizetype shared = commonPrefix(whole, stemRules);
        const int mapped = kanaBefore(stemRules, spelled, static_cast<int>(shared));
        if (shared > 0 && mapped > 0)
            found.append(spelled.left(mapped) + whole.mid(shared));
        break;
    }
    found.removeDuplicates();
    found.removeAll(whole);
    return found;
}

} // namespace lexiwren::maker
