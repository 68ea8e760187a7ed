// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadingDrafter.h"

#include "AccentCode.h"
#include "DictionarySpelling.h"
#include "Espeak.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

void addFlag(QList<Flag> *flags, Flag flag)
{
    if (flags && !flags->contains(flag))
        flags->append(flag);
}

bool isFunctionWord(const QString &word)
{
    static const QStringList words = {u"a"_s,  u"an"_s,    u"the"_s, u"of"_s,   u"to"_s,   u"in"_s,  u"on"_s,
                                      u"at"_s, u"for"_s,   u"by"_s,  u"with"_s, u"from"_s, u"and"_s, u"or"_s,
                                      u"up"_s, u"out"_s,   u"off"_s, u"down"_s, u"into"_s, u"is"_s,  u"be"_s,
                                      u"it"_s, u"one's"_s, u"as"_s,  u"over"_s, u"away"_s, u"back"_s};
    return words.contains(word.toLower());
}

} // namespace

ReadingDrafter::ReadingDrafter(CmuDictionary cmu, Options options)
    : m_cmu(std::move(cmu))
    , m_options(options)
{
}

std::unique_ptr<ReadingDrafter> ReadingDrafter::load(const QString &cmuPath, QString *error)
{
    CmuDictionary cmu;
    if (!cmu.load(cmuPath, error))
        return nullptr;
    return std::make_unique<ReadingDrafter>(std::move(cmu));
}

Pronunciation ReadingDrafter::withPrimary(Pronunciation pronunciation, const QString &word, QList<Flag> *flags) const
{
    if (pronunciation.primary >= 0)
        return pronunciation;
    QList<int> stressed = pronunciation.stressedVowels();
    if (stressed.isEmpty()) {
        for (int i = 0; i < pronunciation.phones.size(); ++i) {
            if (pronunciation.phones[i].isVowel())
                stressed.append(i);
        }
    }
    if (stressed.isEmpty())
        return pronunciation;
    if (m_options.useEspeak) {
        if (const auto spoken = espeak::pronounce(word); spoken && spoken->primary >= 0) {
            // Take the stressed vowel at espeak-ng's place in the word.
            const int spokenOrdinal = spoken->vowelOrdinal(spoken->primary);
            const int spokenVowels = spoken->vowelOrdinal(static_cast<int>(spoken->phones.size()));
            const int ownVowels = pronunciation.vowelOrdinal(static_cast<int>(pronunciation.phones.size()));
            const double scaled = spokenVowels == ownVowels || spokenVowels <= 1
                                      ? spokenOrdinal
                                      : static_cast<double>(spokenOrdinal) * (ownVowels - 1) / (spokenVowels - 1);
            int best = stressed.front();
            double bestGap = 1e9;
            for (const int index : std::as_const(stressed)) {
                const double gap = std::abs(pronunciation.vowelOrdinal(index) - scaled);
                if (gap < bestGap) {
                    best = index;
                    bestGap = gap;
                }
            }
            pronunciation.primary = best;
            if (bestGap > 0.0)
                addFlag(flags, Flag::StressApproximate);
            return pronunciation;
        }
    }
    pronunciation.primary = stressed.front();
    addFlag(flags, Flag::StressApproximate);
    return pronunciation;
}

KanaReading ReadingDrafter::writeWord(const Pronunciation &pronunciation, const QString &word) const
{
    // A compound whose parts the dictionary has and says the same way is
    // written part by part, each with its own spelling and long vowels:
    // household ハウスホールド, backspin バックスピン.
    const qsizetype phones = pronunciation.phones.size();
    // A three-letter second part only after a long first part: serviceman,
    // not chapter.
    for (qsizetype split = 3; split + 3 <= word.size(); ++split) {
        static const QStringList suffixLike = {u"ter"_s, u"ton"_s, u"let"_s, u"ten"_s, u"tin"_s, u"per"_s,
                                               u"ple"_s, u"lin"_s, u"ler"_s, u"der"_s, u"ger"_s, u"ker"_s};
        if (split + 4 > word.size() && (split < 4 || suffixLike.contains(word.mid(split).toLower())))
            continue;
        const QList<CmuEntry> heads = m_cmu.lookup(QStringView(word).left(split));
        if (heads.isEmpty())
            continue;
        const QList<CmuEntry> tails = m_cmu.lookup(QStringView(word).sliced(split));
        if (tails.isEmpty())
            continue;
        Pronunciation head = heads.front().pronunciation;
        Pronunciation tail = tails.front().pronunciation;
        // The second part begins with a consonant (not -ing, -ism), the
        // first does not end in an r that the compound would join.
        if (head.phones.size() + tail.phones.size() != phones || tail.phones.front().isVowel()
            || head.phones.back().symbol == "r")
            continue;
        bool same = true;
        for (qsizetype i = 0; i < phones && same; ++i) {
            const Phone &part = i < head.phones.size() ? head.phones[i] : tail.phones[i - head.phones.size()];
            same = part.symbol == pronunciation.phones[i].symbol;
        }
        if (!same)
            continue;
        const int headPhones = static_cast<int>(head.phones.size());
        const bool stressInHead = pronunciation.primary < headPhones;
        head.primary = stressInHead ? pronunciation.primary : -1;
        tail.primary = stressInHead ? -1 : pronunciation.primary - headPhones;
        KanaReading first = toKatakana(head, word.left(split));
        const QByteArray &joined = tail.phones.front().symbol;
        if (first.kana.endsWith(u'ム') && !first.kana.endsWith(u"ーム") && head.phones.back().symbol == "m"
            && (joined == "p" || joined == "b"))
            first.kana.back() = u'ン'; // dumbbell ダンベル
        const KanaReading second = toKatakana(tail, word.mid(split));
        const int stress = stressInHead
                               ? first.stressStart
                               : (second.stressStart < 0 ? -1
                                                         : static_cast<int>(first.kana.size()) + second.stressStart);
        return {first.kana + second.kana, stress};
    }
    return toKatakana(pronunciation, word);
}

KanaReading ReadingDrafter::readWord(const QString &word, QList<Flag> *flags, bool allowParts,
                                     const QByteArray &usualPart) const
{
    const QList<CmuEntry> entries = m_cmu.lookup(word);
    if (!entries.isEmpty()) {
        const auto usual = std::find_if(entries.begin(), entries.end(), [&](const CmuEntry &entry) {
            return !usualPart.isEmpty() && entry.partOfSpeech.startsWith(usualPart);
        });
        const qsizetype chosen = usual == entries.end() ? 0 : std::distance(entries.begin(), usual);
        QList<Flag> own;
        KanaReading reading = writeWord(withPrimary(entries[chosen].pronunciation, word, &own), word);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (i == chosen)
                continue;
            QList<Flag> ignored;
            const KanaReading other = writeWord(withPrimary(entries[i].pronunciation, word, &ignored), word);
            if (other.kana != reading.kana || other.stressStart != reading.stressStart)
                addFlag(&own, Flag::SeveralPronunciations);
        }
        for (const Flag flag : std::as_const(own))
            addFlag(flags, flag);
        return reading;
    }
    if (allowParts) {
        // A compound of two words the dictionary has (a longer first part
        // first); the stress of a compound falls on its first part.
        for (qsizetype split = word.size() - 3; split >= 3; --split) {
            const QString head = word.left(split);
            const QString tail = word.mid(split);
            if (!m_cmu.contains(head) || !m_cmu.contains(tail))
                continue;
            QList<Flag> partFlags;
            const KanaReading first = readWord(head, &partFlags, false);
            const KanaReading second = readWord(tail, &partFlags, false);
            for (const Flag flag : std::as_const(partFlags))
                addFlag(flags, flag);
            addFlag(flags, Flag::StressApproximate);
            return {first.kana + second.kana, first.stressStart};
        }
        if (m_options.useEspeak) {
            if (const auto spoken = espeak::pronounce(word)) {
                addFlag(flags, Flag::ReadFromRules);
                return toKatakana(*spoken, word);
            }
        }
        addFlag(flags, Flag::NotInDictionaries);
    }
    return {};
}

KanaReading ReadingDrafter::rulesReading(const QString &wordOrPhrase, QList<Flag> *flags,
                                         const QByteArray &usualPart) const
{
    static const QRegularExpression separators(u"[\\s\\-/]+"_s);
    const QStringList words = wordOrPhrase.split(separators, Qt::SkipEmptyParts);
    KanaReading whole;
    int stressWord = -1;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (!isFunctionWord(words[i])) {
            stressWord = static_cast<int>(i);
            break;
        }
    }
    if (stressWord < 0)
        stressWord = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const KanaReading part = readWord(words[i], flags, true, words.size() == 1 ? usualPart : QByteArray());
        if (i == stressWord && part.stressStart >= 0)
            whole.stressStart = static_cast<int>(whole.kana.size()) + part.stressStart;
        whole.kana += part.kana;
    }
    if (words.size() > 1)
        addFlag(flags, Flag::StressApproximate);
    return whole;
}

ReadingDraft ReadingDrafter::draftReading(const QString &wordOrPhrase, const QStringList &dictionaryKatakana,
                                          const QByteArray &usualPart) const
{
    QList<Flag> flags;
    const KanaReading rules = rulesReading(wordOrPhrase.trimmed(), &flags, usualPart);
    return draftFrom(rules, std::move(flags), dictionaryKatakana);
}

ReadingDraft ReadingDrafter::draftFrom(const KanaReading &rules, QList<Flag> flags,
                                       const QStringList &dictionaryKatakana)
{
    ReadingDraft draft;
    draft.flags = std::move(flags);
    bool fromDictionary = false;
    KanaReading chosen = rules;
    if (!rules.kana.isEmpty()) {
        chosen = chooseSpelling(rules, dictionaryKatakana, &fromDictionary);
        // Taken or refused, a dictionary spelling unlike the rules' is for the learner to judge:
        // coffee is コーヒー in every word book, however far it is from what the rules write.
        // (A spelling equal to the rules' reading is always taken, so a refusal means a different one.)
        if (fromDictionary ? chosen.kana != rules.kana : !dictionaryKatakana.isEmpty())
            addFlag(&draft.flags, Flag::SpellingDiffers);
    }
    draft.reading = chosen.kana;
    draft.fromDictionary = fromDictionary;
    if (chosen.kana.isEmpty()) {
        draft.accent = u"0"_s;
        return draft;
    }
    int start = chosen.stressStart;
    if (start < 0) {
        start = 0;
        addFlag(&draft.flags, Flag::StressApproximate);
    }
    const int length = stressLength(chosen.kana, start);
    const QString code = accentCode(start, length);
    if (code.isEmpty() || !accentCodeMarks(code, start, length)) {
        draft.accent = u"0"_s;
        addFlag(&draft.flags, Flag::StressOutOfReach);
    } else {
        draft.accent = code;
    }
    draft.stressStart = start;
    return draft;
}

} // namespace lexiwren::maker
