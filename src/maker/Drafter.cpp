// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Drafter.h"

#include "DictionarySpelling.h"
#include "Edict.h"
#include "Espeak.h"
#include "Kanjidic.h"
#include "Meanings.h"
#include "PartSpellings.h"
#include "ReadingDrafter.h"
#include "WordUsage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

QString missingMessage(const QString &what, const QString &path, const QString &package)
{
    return u"%1 %2 が見つかりません。Debian のパッケージ %3 を入れてください（sudo apt install %3）。"_s.arg(what, path,
                                                                                                             package);
}

// The file's bytes, or null with the learner's message in *error.
std::optional<QByteArray> readDictionary(const QString &path, const QString &what, const QString &package,
                                         QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = missingMessage(what, path, package);
        return std::nullopt;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = u"%1 %2 を読めません（%3）。"_s.arg(what, path,
                                                     info.isFile() ? file.errorString() : u"ファイルではありません"_s);
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

QString flagText(Flag flag)
{
    switch (flag) {
    case Flag::NotInDictionaries:
        return u"読みが見つからない"_s;
    case Flag::ReadFromRules:
        return u"辞書にない（規則で読んだ）"_s;
    case Flag::SeveralPronunciations:
        return u"読みが複数ある"_s;
    case Flag::StressApproximate:
        return u"アクセント位置は推定"_s;
    case Flag::StressOutOfReach:
        return u"アクセント位置を示せない"_s;
    case Flag::NoMeaning:
        return u"意味が見つからない"_s;
    case Flag::SpellingDiffers:
        return u"辞書の表記と規則の読みが違う"_s;
    }
    return {};
}

DictionaryPaths DictionaryPaths::debian()
{
    return {u"/usr/share/festival/dicts/cmu/cmudict-0.4.out"_s, u"/usr/share/edict/edict"_s,
            u"/usr/share/edict/kanjidic"_s, u"/usr/share/wordnet"_s};
}

struct Drafter::Data
{
    explicit Data(QByteArray edictBytes, const std::function<void(int)> &progress)
        : edict(std::move(edictBytes), progress)
        , meanings(edict, &grades, &usage)
    {
    }

    Edict edict;
    KanjiGrades grades; // filled in once loaded; empty without the file
    WordUsage usage;    // likewise
    MeaningFinder meanings;
    std::unique_ptr<ReadingDrafter> readings;
    std::optional<PartSpellings> parts; // once readings are loaded
};

Drafter::Drafter() = default;
Drafter::~Drafter() = default;

std::unique_ptr<Drafter> Drafter::load(const DictionaryPaths &paths, const std::function<void(int percent)> &progress,
                                       QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    report(0);
    if (!QFileInfo(paths.cmu).isFile()) {
        *error = missingMessage(u"発音辞書"_s, paths.cmu, u"festlex-cmu"_s);
        return nullptr;
    }
    std::optional<QByteArray> edictBytes = readDictionary(paths.edict, u"和英辞書"_s, u"edict"_s, error);
    if (!edictBytes)
        return nullptr;
    report(5);

    // The pronouncing dictionary and espeak-ng start on a second thread while
    // EDICT is indexed on this one, which reports the progress.
    std::unique_ptr<ReadingDrafter> readings;
    QString readingError;
    bool espeakStarted = false;
    KanjiGrades grades;
    WordUsage usage;
    std::thread readingThread([&] {
        readings = ReadingDrafter::load(paths.cmu, &readingError);
        espeakStarted = !espeak::phonemes(u"word"_s).isEmpty();
        // Optional: a missing or unreadable file leaves the table empty.
        QFile kanjidic(paths.kanjidic);
        if (!paths.kanjidic.isEmpty() && kanjidic.open(QIODevice::ReadOnly))
            grades = KanjiGrades(kanjidic.readAll());
        QFile cntlist(QDir(paths.wordnet).filePath(u"cntlist.rev"_s));
        if (!paths.wordnet.isEmpty() && cntlist.open(QIODevice::ReadOnly))
            usage = WordUsage(cntlist.readAll());
    });
    std::unique_ptr<Drafter> drafter(new Drafter);
    drafter->m_data = std::make_unique<Data>(std::move(*edictBytes),
                                             [&](int percent) { report(5 + percent * 9 / 10); });
    readingThread.join();
    drafter->m_data->grades = std::move(grades);
    drafter->m_data->usage = std::move(usage);
    if (!readings) {
        *error = readingError;
        return nullptr;
    }
    if (!espeakStarted) {
        *error =
            u"espeak-ng が発音データを読めません。Debian のパッケージ espeak-ng-data を入れてください（sudo apt install espeak-ng-data）。"_s;
        return nullptr;
    }
    if (drafter->m_data->edict.entryCount() == 0) {
        *error = u"和英辞書 %1 に見出しがありません。EDICT の形式のファイルを指定してください。"_s.arg(paths.edict);
        return nullptr;
    }
    drafter->m_data->readings = std::move(readings);
    const MeaningFinder &meanings = drafter->m_data->meanings;
    drafter->m_data->parts.emplace(*drafter->m_data->readings, [&meanings](const QString &word) {
        return meanings.loanwordSpellings(word, MeaningFinder::Spellings::CommonOnly);
    });
    report(100);
    return drafter;
}

namespace {

// The CMU dictionary's letter for the part of speech WordNet says the word
// is mostly used as; empty when it cannot say.
QByteArray usualPart(const WordUsage &usage, const QString &word)
{
    const std::optional<PartShares> shares = usage.shares(word.toLower().toStdString());
    if (!shares)
        return {};
    if (shares->of(EnglishPart::Noun) > 0.5)
        return "n";
    if (shares->of(EnglishPart::Verb) > 0.5)
        return "v";
    if (shares->of(EnglishPart::Adjective) > 0.5)
        return "j";
    return {};
}

} // namespace

Draft Drafter::draft(const QString &wordOrPhrase) const
{
    Draft draft;
    draft.english = wordOrPhrase.simplified();
    draft.meaning = m_data->meanings.meanings(draft.english).join(u"、"_s);
    if (draft.meaning.isEmpty())
        draft.flags.append(Flag::NoMeaning);
    QStringList ownSpellings = m_data->meanings.loanwordSpellings(draft.english);
    QList<Flag> ruleFlags;
    const KanaReading rules = m_data->readings->rulesReading(draft.english, &ruleFlags,
                                                             usualPart(m_data->usage, draft.english));
    // EDICT marks the older ウエット common and ウェット not; a word book writes the sound as the rules do.
    if (std::any_of(ownSpellings.cbegin(), ownSpellings.cend(),
                    [&rules](const QString &spelling) { return smallKanaWrittenLarge(spelling, rules.kana); })
        && m_data->meanings.loanwordSpellings(draft.english, MeaningFinder::Spellings::All).contains(rules.kana))
        ownSpellings.prepend(rules.kana);
    ReadingDraft reading = ReadingDrafter::draftFrom(rules, ruleFlags, ownSpellings);
    const QStringList partSpellings = reading.fromDictionary ? QStringList()
                                                             : m_data->parts->spellings(draft.english, rules.kana);
    if (!partSpellings.isEmpty()) {
        // A word the dictionary lacks (computers, weekend) may still be spelt as its parts are.
        ReadingDraft fromParts = ReadingDrafter::draftFrom(rules, ruleFlags, partSpellings);
        if (fromParts.fromDictionary) {
            if (!ownSpellings.isEmpty() && !fromParts.flags.contains(Flag::SpellingDiffers))
                fromParts.flags.append(Flag::SpellingDiffers);
            reading = fromParts;
        }
    }
    draft.reading = reading.reading;
    draft.accent = reading.accent;
    draft.flags = reading.flags + draft.flags;
    return draft;
}

QStringList wordList(QStringView text)
{
    QStringList words;
    QSet<QString> seen;
    const QString unified = text.toString().replace(u'\r', u'\n');
    const QList<QStringView> lines = QStringView(unified).split(u'\n');
    for (QStringView line : lines) {
        QString word = line.toString().simplified();
        word.remove(QChar(0xFEFF));
        if (word.isEmpty())
            continue;
        const QString folded = word.toCaseFolded();
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        words.append(word);
    }
    return words;
}

QByteArray questionFileText(const QList<Draft> &drafts)
{
    QByteArray text;
    for (const Draft &draft : drafts) {
        QStringList fields{draft.english, draft.reading, draft.accent, draft.meaning};
        bool spaced = false;
        for (QString &field : fields) {
            // A line break or a tab inside a field would cut the card; a control character has no place in it.
            for (QChar &c : field)
                if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                    c = u' ';
            field = field.trimmed();
            spaced = spaced || field.contains(u' ');
        }
        text += fields.join(spaced ? u'\t' : u' ').toUtf8();
        text += '\n';
    }
    return text;
}

} // namespace lexiwren::maker
