// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How often our katakana rules alone write a loanword as EDICT spells it.
// The words: EDICT's katakana-only entries glossed by exactly one English
// word that the CMU dictionary has, without senses of another source
// language or made in Japan; each word falls in the development half or the
// held-out half by a stable hash of its English spelling. A word matches
// when the rules' reading equals one of EDICT's spellings for it, or loosely
// when it does once ー, ッ and small kana are ignored. Also times loading the
// CMU dictionary and the first espeak-ng call, and the process's memory.
// Reads the installed dictionaries; copies nothing of them.
//   loanword_accuracy [--half development|held-out|both] [--misses N] [--cmu FILE] [--edict FILE]
//   loanword_accuracy --words WORD...   (readings of the given words)
#include "common/Bench.h"
#include "maker/DictionarySpelling.h"
#include "maker/Drafter.h"
#include "maker/Edict.h"
#include "maker/Espeak.h"
#include "maker/ReadingDrafter.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <cstdio>

using namespace lexiwren;
using namespace lexiwren::bench;
using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

namespace {

quint32 stableHash(const QString &word)
{
    quint32 hash = 2166136261u; // FNV-1a
    for (const char byte : word.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return hash;
}

bool isKatakanaHeadword(QStringView word)
{
    if (word.isEmpty())
        return false;
    for (const QChar c : word) {
        if (!((c >= u'ァ' && c <= u'ヺ') || c == u'ー'))
            return false;
    }
    return true;
}

double residentMiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0.0;
}

// English word → EDICT's katakana spellings of it.
QMap<QString, QStringList> loanwords(const QString &edictPath, const CmuDictionary &cmu)
{
    QMap<QString, QStringList> words;
    QFile file(edictPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(edictPath));
        return words;
    }
    QStringDecoder decode("EUC-JP");
    const QString text = decode(file.readAll());
    // Source languages are the tags written "(ger: Abend)" somewhere; the
    // dialect tags (ksb:, osb:, ...) end in b and are no language.
    static const QRegularExpression languageTag(u"\\(([a-z]{3}):"_s);
    QSet<QString> languages;
    for (auto it = languageTag.globalMatch(text); it.hasNext();) {
        const QString code = it.next().captured(1);
        if (code != u"eng" && !code.endsWith(u'b'))
            languages.insert(code);
    }
    static const QRegularExpression tag(u"\\(([a-z]{3})(:|\\))"_s);
    static const QRegularExpression leadingTags(u"^(\\([^)]*\\)\\s*)+"_s);
    static const QRegularExpression oneWord(u"^[A-Za-z]+$"_s);
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype space = line.indexOf(u' ');
        if (space <= 0 || !isKatakanaHeadword(line.first(space)) || line.contains(u"wasei"))
            continue;
        bool foreign = false;
        for (auto it = tag.globalMatch(line); it.hasNext();) {
            if (languages.contains(it.next().captured(1)))
                foreign = true;
        }
        if (foreign)
            continue;
        QStringList glosses;
        const QStringList fields = line.sliced(space + 1).toString().split(u'/');
        for (const QString &field : fields) {
            const QString gloss = QString(field).remove(leadingTags).trimmed();
            if (!gloss.isEmpty() && field.trimmed() != u"(P)")
                glosses.append(gloss);
        }
        if (glosses.size() != 1 || !oneWord.match(glosses.front()).hasMatch())
            continue;
        const QString english = glosses.front().toLower();
        if (!cmu.contains(english))
            continue;
        QStringList &spellings = words[english];
        const QString spelling = line.first(space).toString();
        if (!spellings.contains(spelling))
            spellings.append(spelling);
    }
    return words;
}

// The maker as it drafts, on an EDICT without any entry glossed by one of
// `words`: what its rules and the dictionary's other spellings (a word's
// stem, a compound's parts) make of words it has never seen.
std::unique_ptr<Drafter> drafterWithout(const QString &cmuPath, const QString &edictPath, const QSet<QString> &words,
                                        QTemporaryFile *edict)
{
    QFile file(edictPath);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QStringDecoder decode("EUC-JP");
    QStringEncoder encode("EUC-JP");
    QByteArray kept;
    const QString text = decode(file.readAll());
    for (const QStringView line : QStringView(text).split(u'\n')) {
        bool glossesOne = false;
        const qsizetype space = line.indexOf(u' ');
        if (space > 0) {
            for (const QStringView field : line.sliced(space + 1).split(u'/')) {
                if (words.contains(QString::fromStdString(glossKey(field)))) {
                    glossesOne = true;
                    break;
                }
            }
        }
        if (!glossesOne) {
            kept += encode(line);
            kept += '\n';
        }
    }
    if (!edict->open() || edict->write(kept) != kept.size() || !edict->flush())
        return nullptr;
    DictionaryPaths paths{cmuPath, edict->fileName()};
    QString error;
    std::unique_ptr<Drafter> drafter = Drafter::load(paths, {}, &error);
    if (!drafter)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return drafter;
}

int printWords(const ReadingDrafter &drafter, const QStringList &words)
{
    for (const QString &word : words) {
        const ReadingDraft draft = drafter.draftReading(word);
        QStringList flags;
        for (const Flag flag : draft.flags)
            flags.append(QString::number(static_cast<int>(flag)));
        const QList<CmuEntry> entries = drafter.cmu().lookup(word);
        QStringList phones;
        if (!entries.isEmpty()) {
            for (const Phone &phone : entries.front().pronunciation.phones)
                phones.append(QString::fromLatin1(phone.symbol) + (phone.stress > 0 ? u"1"_s : QString()));
        }
        std::printf("%s %s %s flags[%s] cmu[%s] espeak[%s]\n", qPrintable(word), qPrintable(draft.reading),
                    qPrintable(draft.accent), qPrintable(flags.join(u',')), qPrintable(phones.join(u' ')),
                    espeak::phonemes(word).constData());
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString cmuPath = u"/usr/share/festival/dicts/cmu/cmudict-0.4.out"_s;
    QString edictPath = u"/usr/share/edict/edict"_s;
    QString half = u"both"_s;
    int misses = 0;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        const QString value = i + 1 < args.size() ? args[i + 1] : QString();
        if (arg == u"--words") {
            words = args.mid(i + 1);
            break;
        }
        if (arg == u"--half")
            half = value;
        else if (arg == u"--misses")
            misses = value.toInt();
        else if (arg == u"--cmu")
            cmuPath = value;
        else if (arg == u"--edict")
            edictPath = value;
        else {
            std::fprintf(stderr, "unknown argument %s\n", qPrintable(arg));
            return 2;
        }
        ++i;
    }

    Stopwatch loading;
    QString error;
    const std::unique_ptr<ReadingDrafter> drafter = ReadingDrafter::load(cmuPath, &error);
    if (!drafter) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double loadSeconds = loading.wallSeconds();
    Stopwatch firstCall;
    drafter->draftReading(u"information"_s);
    const double firstCallSeconds = firstCall.wallSeconds();
    const double readingMiB = residentMiB();
    if (!words.isEmpty())
        return printWords(*drafter, words);

    const QMap<QString, QStringList> all = loanwords(edictPath, drafter->cmu());
    struct Tally
    {
        int words = 0;
        int exact = 0;
        int loose = 0;
        int otherWord = 0; // no EDICT spelling close enough for the maker to take it
        int exactOfSame = 0;
        int withCandidates = 0; // drafted with EDICT's spellings offered, as the maker drafts
        int makerExact = 0;     // the maker, with the half's words taken out of EDICT
        int makerLoose = 0;
    };
    QMap<QString, Tally> tallies;
    Stopwatch drafting;
    int shownMisses = 0;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const QString name = stableHash(it.key()) % 2 == 0 ? u"development"_s : u"held-out"_s;
        if (half != u"both" && half != name)
            continue;
        const ReadingDraft draft = drafter->draftReading(it.key());
        Tally &tally = tallies[name];
        ++tally.words;
        bool loose = false;
        for (const QString &spelling : it.value())
            loose = loose || foldKana(spelling) == foldKana(draft.reading);
        const bool exact = it.value().contains(draft.reading);
        tally.exact += exact ? 1 : 0;
        tally.loose += loose ? 1 : 0;
        bool same = false;
        for (const QString &spelling : it.value())
            same = same || sameWord(draft.reading, spelling);
        tally.otherWord += same ? 0 : 1;
        tally.exactOfSame += same && exact ? 1 : 0;
        tally.withCandidates += it.value().contains(drafter->draftReading(it.key(), it.value()).reading) ? 1 : 0;
        if (!exact && name == u"development" && shownMisses < misses) {
            ++shownMisses;
            std::printf("miss%s %s %s edict %s\n", loose ? "(loose ok)" : "", qPrintable(it.key()),
                        qPrintable(draft.reading), qPrintable(it.value().join(u',')));
        }
    }
    const double draftSeconds = drafting.wallSeconds();

    for (auto it = tallies.begin(); it != tallies.end(); ++it) {
        QSet<QString> measured;
        for (auto word = all.cbegin(); word != all.cend(); ++word)
            if ((stableHash(word.key()) % 2 == 0) == (it.key() == u"development"))
                measured.insert(word.key());
        QTemporaryFile edict;
        const std::unique_ptr<Drafter> maker = drafterWithout(cmuPath, edictPath, measured, &edict);
        if (!maker)
            return 1;
        int shown = 0;
        for (const QString &word : std::as_const(measured)) {
            const QString reading = maker->draft(word).reading;
            const QStringList &spellings = all.value(word);
            bool loose = false;
            for (const QString &spelling : spellings)
                loose = loose || foldKana(spelling) == foldKana(reading);
            it->makerExact += spellings.contains(reading) ? 1 : 0;
            it->makerLoose += loose ? 1 : 0;
            const QString rules = drafter->draftReading(word).reading;
            if (reading != rules && it.key() == u"development" && shown < misses) {
                ++shown;
                std::printf("parts %s %s (rules %s) edict %s\n", spellings.contains(reading) ? "right" : "wrong",
                            qPrintable(reading), qPrintable(rules), qPrintable(spellings.join(u',')));
            }
        }
    }

    int drafted = 0;
    printTargetHeader();
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        const Tally &t = it.value();
        drafted += t.words;
        const double exact = 100.0 * t.exact / std::max(1, t.words);
        const double loose = 100.0 * t.loose / std::max(1, t.words);
        const bool heldOut = it.key() == u"held-out";
        printFigure("loanword: " + it.key().toStdString() + ": words", QString::number(t.words));
        printFigure("loanword: " + it.key().toStdString() + ": exact", withUnit(exact, "%", 1),
                    heldOut ? ">= 75 %" : "", !heldOut || exact >= 75.0);
        printFigure("loanword: " + it.key().toStdString() + ": loose (no ー, ッ, small kana)", withUnit(loose, "%", 1),
                    heldOut ? ">= 87 %" : "", !heldOut || loose >= 87.0);
        printFigure("loanword: " + it.key().toStdString() + ": the maker, the half's words out of EDICT: exact",
                    withUnit(100.0 * t.makerExact / std::max(1, t.words), "%", 1), heldOut ? ">= 75 %" : "",
                    !heldOut || t.makerExact >= 0.75 * t.words);
        printFigure("loanword: " + it.key().toStdString() + ": the maker, the half's words out of EDICT: loose",
                    withUnit(100.0 * t.makerLoose / std::max(1, t.words), "%", 1), heldOut ? ">= 87 %" : "",
                    !heldOut || t.makerLoose >= 0.87 * t.words);
        printFigure("loanword: " + it.key().toStdString() + ": EDICT spells another word (refused)",
                    withUnit(100.0 * t.otherWord / std::max(1, t.words), "%", 1));
        printFigure("loanword: " + it.key().toStdString() + ": EDICT's spelling, its spellings offered",
                    withUnit(100.0 * t.withCandidates / std::max(1, t.words), "%", 1));
        printFigure("loanword: " + it.key().toStdString() + ": exact among the rest",
                    withUnit(100.0 * t.exactOfSame / std::max(1, t.words - t.otherWord), "%", 1));
    }
    printFigure("loanword: CMU dictionary loaded", withUnit(loadSeconds * 1000.0, "ms", 0));
    printFigure("loanword: first word (espeak-ng starts)", withUnit(firstCallSeconds * 1000.0, "ms", 1));
    printFigure("loanword: per word, drafted twice", withUnit(draftSeconds * 1e6 / std::max(1, drafted), "us", 0));
    printFigure("loanword: peak memory, CMU and espeak-ng", withUnit(readingMiB, "MiB", 1));
    printFigure("loanword: peak memory, EDICT decoded too", withUnit(residentMiB(), "MiB", 1));
    return 0;
}
