// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The question-file maker on the real dictionaries against a reference list
// we wrote ourselves (bench/maker/reference-words.tsv): how many drafted
// readings, accent marks and meanings a learner could keep as they are; and
// how long the dictionaries take to load, how long 1,000 words take to draft
// and how much memory the dictionaries add.
//
//   maker_accuracy [REFERENCE.tsv] [--edict FILE] [--cmu FILE] [--kanjidic FILE] [--wordnet DIR]
//
// A reading is usable when it equals one of the reference's readings
// character for character (the reference lists the spellings word books
// print, with and without a final ー, ヴ or バ and so on); nothing is ignored.
// The accent is right when, on a usable reading, the code's mark starts under
// the first kana of the stressed syllable that reading has in the reference
// and ends within that syllable. A meaning is acceptable when its first part
// (before "、") is one of the reference's meanings; the benchmark also counts
// the cards where either drafted meaning is.
#include "common/Bench.h"

#include "drill/NumericValue.h"
#include "maker/Drafter.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace lexiwren;
using namespace lexiwren::bench;

namespace {

struct Stress
{
    int index = 0;
    int length = 1;
};

struct ReferenceWord
{
    QString word;
    QStringList readings;
    QList<Stress> stresses; // one for each reading
    QStringList meanings;
};

QList<ReferenceWord> readReference(const QString &path)
{
    QList<ReferenceWord> words;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return words;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (line.startsWith(u'#'))
            continue;
        const QStringList columns = line.split(u'\t');
        if (columns.size() != 4) {
            std::fprintf(stderr, "skipped, not four columns: %s\n", qPrintable(line));
            continue;
        }
        ReferenceWord word{columns[0], columns[1].split(u'|'), {}, columns[3].split(u'|')};
        for (const QString &stress : columns[2].split(u'|')) {
            const QStringList parts = stress.split(u',');
            word.stresses.append({parts.value(0).toInt(), parts.value(1).toInt()});
        }
        if (word.stresses.size() != word.readings.size()) {
            std::fprintf(stderr, "skipped, a stress for each reading wanted: %s\n", qPrintable(line));
            continue;
        }
        words.append(word);
    }
    return words;
}

// The mark as the drill draws it: under the character the code's first digit
// names, two characters long when the code's value is above 10.
Stress markedBy(const QString &code)
{
    const QChar first = code.isEmpty() ? QChar(u'0') : code.front();
    const int index = first >= u'0' && first <= u'9' ? first.unicode() - u'0' : 0;
    return {index, numericValue(code) > 10 ? 2 : 1};
}

double statusMiB(const char *key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<qsizetype>(std::strlen(key))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
}

// 1,000 words spread through the pronouncing dictionary, for the timing only.
QStringList timingWords(const QString &cmuPath)
{
    QStringList all;
    QFile file(cmuPath);
    if (file.open(QIODevice::ReadOnly)) {
        static const QRegularExpression entry(u"^\\(\"([a-z]+)\""_s);
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QRegularExpressionMatch match = entry.match(QString::fromLatin1(line));
            if (match.hasMatch())
                all.append(match.captured(1));
        }
    }
    QStringList words;
    const qsizetype step = std::max<qsizetype>(1, all.size() / 1000);
    for (qsizetype i = 0; i < all.size() && words.size() < 1000; i += step)
        words.append(all.at(i));
    return words;
}

QString percent(int part, int whole)
{
    return u"%1 % (%2 of %3)"_s.arg(whole > 0 ? 100.0 * part / whole : 0.0, 0, 'f', 1).arg(part).arg(whole);
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    QString referencePath = QStringLiteral(LEXIWREN_MAKER_REFERENCE);
    maker::DictionaryPaths paths = maker::DictionaryPaths::debian();
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == u"--edict" && i + 1 < arguments.size())
            paths.edict = arguments[++i];
        else if (arguments[i] == u"--cmu" && i + 1 < arguments.size())
            paths.cmu = arguments[++i];
        else if (arguments[i] == u"--kanjidic" && i + 1 < arguments.size())
            paths.kanjidic = arguments[++i]; // "" or a missing file: meanings ranked without kanji grades
        else if (arguments[i] == u"--wordnet" && i + 1 < arguments.size())
            paths.wordnet = arguments[++i]; // "" or a folder without cntlist.rev: without the usual parts of speech
        else
            referencePath = arguments[i];
    }
    const QList<ReferenceWord> reference = readReference(referencePath);
    if (reference.isEmpty())
        return 1;

    const double residentBefore = statusMiB("VmRSS:");
    const Stopwatch loading;
    QString error;
    const std::unique_ptr<maker::Drafter> drafter = maker::Drafter::load(paths, {}, &error);
    const double loadSeconds = loading.wallSeconds();
    const double loadProcessorSeconds = loading.processorPercent() / 100.0 * loadSeconds;
    if (!drafter) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const double residentAfterLoad = statusMiB("VmRSS:");

    int usable = 0, accentRight = 0, meaningOk = 0, anyMeaningOk = 0;
    QStringList readingMisses, accentMisses, meaningMisses;
    for (const ReferenceWord &word : reference) {
        const maker::Draft draft = drafter->draft(word.word);
        const qsizetype match = word.readings.indexOf(draft.reading);
        if (match >= 0) {
            ++usable;
            const Stress expected = word.stresses.at(match);
            const Stress marked = markedBy(draft.accent);
            if (marked.index == expected.index && marked.length <= expected.length)
                ++accentRight;
            else
                accentMisses.append(u"%1 %2 %3 (stressed: %4)"_s.arg(
                    word.word, draft.reading, draft.accent, draft.reading.mid(expected.index, expected.length)));
        } else {
            readingMisses.append(u"%1 %2 (want %3)"_s.arg(word.word, draft.reading, word.readings.join(u'|')));
        }
        const QStringList drafted = draft.meaning.split(u"、"_s);
        if (std::any_of(drafted.begin(), drafted.end(), [&](const QString &m) { return word.meanings.contains(m); }))
            ++anyMeaningOk;
        if (word.meanings.contains(drafted.constFirst()))
            ++meaningOk;
        else
            meaningMisses.append(u"%1 %2 (want %3)"_s.arg(word.word, draft.meaning, word.meanings.join(u'|')));
    }

    const QStringList words = timingWords(paths.cmu);
    const Stopwatch drafting;
    for (const QString &word : words)
        (void)drafter->draft(word);
    const double draftSeconds = drafting.wallSeconds();
    const double draftProcessorSeconds = drafting.processorPercent() / 100.0 * draftSeconds;
    const double peak = statusMiB("VmHWM:");

    std::printf("reference: %s, %lld words\n", qPrintable(referencePath), static_cast<long long>(reference.size()));
    const auto list = [](const char *title, const QStringList &misses) {
        std::printf("%s (%lld):\n", title, static_cast<long long>(misses.size()));
        for (const QString &miss : misses)
            std::printf("  %s\n", qPrintable(miss));
    };
    list("readings not usable", readingMisses);
    list("accent marks wrong, on usable readings", accentMisses);
    list("meanings not acceptable", meaningMisses);

    const auto n = static_cast<int>(reference.size());
    printTargetHeader();
    printFigure("maker: readings usable", percent(usable, n), ">= 95 %", usable * 100 >= 95 * n);
    printFigure("maker: accent right, of usable readings", percent(accentRight, usable), ">= 97 %",
                accentRight * 100 >= 97 * usable);
    printFigure("maker: meanings acceptable", percent(meaningOk, n), ">= 92 %", meaningOk * 100 >= 92 * n);
    // What the learner sees on the card: both meanings, when two are drafted.
    printFigure("maker: an acceptable meaning among those drafted", percent(anyMeaningOk, n));
    printFigure("maker: loading the dictionaries", withUnit(loadSeconds, "s"), "<= 1.5 s", loadSeconds <= 1.5);
    // Both threads' time together: on a shared machine the wall clock also counts others' builds.
    printFigure("maker: loading, processor time", withUnit(loadProcessorSeconds, "s"));
    printFigure("maker: drafting " + std::to_string(words.size()) + " words", withUnit(draftSeconds, "s"), "<= 2 s",
                draftSeconds <= 2.0);
    printFigure("maker: drafting, processor time", withUnit(draftProcessorSeconds, "s"));
    printFigure("maker: memory added by the dictionaries (resident after loading)",
                withUnit(residentAfterLoad - residentBefore, "MiB", 1), "<= 150 MiB",
                residentAfterLoad - residentBefore <= 150.0);
    printFigure("maker: peak resident memory of the whole run", withUnit(peak, "MiB", 1));
    return 0;
}
