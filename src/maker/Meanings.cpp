// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Meanings.h"

#include <QHash>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;

namespace lexiwren::maker {

namespace {

// QT_LOGGING_RULES="lexiwren.maker.meanings.debug=true" shows every candidate meaning with its score.
Q_LOGGING_CATEGORY(lcMeanings, "lexiwren.maker.meanings", QtWarningMsg)

struct Irregular
{
    const char16_t *form;
    const char16_t *base;
    WordForm kind;
};

constexpr WordForm V = WordForm::VerbForm;
constexpr WordForm P = WordForm::SOrEs;
constexpr WordForm C = WordForm::Comparative;

// English forms no rule reaches; the rules below handle the regular ones.
constexpr Irregular Irregulars[] = {
    {u"was", u"be", V},         {u"were", u"be", V},       {u"been", u"be", V},       {u"is", u"be", V},
    {u"am", u"be", V},          {u"are", u"be", V},        {u"went", u"go", V},       {u"gone", u"go", V},
    {u"goes", u"go", V},        {u"did", u"do", V},        {u"done", u"do", V},       {u"does", u"do", V},
    {u"had", u"have", V},       {u"has", u"have", V},      {u"made", u"make", V},     {u"said", u"say", V},
    {u"got", u"get", V},        {u"gotten", u"get", V},    {u"came", u"come", V},     {u"ran", u"run", V},
    {u"saw", u"see", V},        {u"seen", u"see", V},      {u"took", u"take", V},     {u"taken", u"take", V},
    {u"gave", u"give", V},      {u"given", u"give", V},    {u"ate", u"eat", V},       {u"eaten", u"eat", V},
    {u"fought", u"fight", V},   {u"bought", u"buy", V},    {u"brought", u"bring", V}, {u"thought", u"think", V},
    {u"taught", u"teach", V},   {u"caught", u"catch", V},  {u"sought", u"seek", V},   {u"found", u"find", V},
    {u"left", u"leave", V},     {u"felt", u"feel", V},     {u"kept", u"keep", V},     {u"slept", u"sleep", V},
    {u"met", u"meet", V},       {u"sat", u"sit", V},       {u"stood", u"stand", V},   {u"understood", u"understand", V},
    {u"told", u"tell", V},      {u"sold", u"sell", V},     {u"wrote", u"write", V},   {u"written", u"write", V},
    {u"spoke", u"speak", V},    {u"spoken", u"speak", V},  {u"broke", u"break", V},   {u"broken", u"break", V},
    {u"chose", u"choose", V},   {u"chosen", u"choose", V}, {u"drove", u"drive", V},   {u"driven", u"drive", V},
    {u"rode", u"ride", V},      {u"ridden", u"ride", V},   {u"rose", u"rise", V},     {u"risen", u"rise", V},
    {u"fell", u"fall", V},      {u"fallen", u"fall", V},   {u"flew", u"fly", V},      {u"flown", u"fly", V},
    {u"knew", u"know", V},      {u"known", u"know", V},    {u"grew", u"grow", V},     {u"grown", u"grow", V},
    {u"threw", u"throw", V},    {u"thrown", u"throw", V},  {u"drew", u"draw", V},     {u"drawn", u"draw", V},
    {u"began", u"begin", V},    {u"begun", u"begin", V},   {u"drank", u"drink", V},   {u"drunk", u"drink", V},
    {u"sang", u"sing", V},      {u"sung", u"sing", V},     {u"swam", u"swim", V},     {u"swum", u"swim", V},
    {u"rang", u"ring", V},      {u"rung", u"ring", V},     {u"won", u"win", V},       {u"lost", u"lose", V},
    {u"built", u"build", V},    {u"sent", u"send", V},     {u"spent", u"spend", V},   {u"lent", u"lend", V},
    {u"meant", u"mean", V},     {u"heard", u"hear", V},    {u"held", u"hold", V},     {u"led", u"lead", V},
    {u"paid", u"pay", V},       {u"laid", u"lay", V},      {u"hid", u"hide", V},      {u"hidden", u"hide", V},
    {u"bit", u"bite", V},       {u"bitten", u"bite", V},   {u"forgot", u"forget", V}, {u"forgotten", u"forget", V},
    {u"wore", u"wear", V},      {u"worn", u"wear", V},     {u"tore", u"tear", V},     {u"torn", u"tear", V},
    {u"woke", u"wake", V},      {u"woken", u"wake", V},    {u"shook", u"shake", V},   {u"shaken", u"shake", V},
    {u"stole", u"steal", V},    {u"stolen", u"steal", V},  {u"froze", u"freeze", V},  {u"frozen", u"freeze", V},
    {u"fed", u"feed", V},       {u"fled", u"flee", V},     {u"dug", u"dig", V},       {u"hung", u"hang", V},
    {u"struck", u"strike", V},  {u"stuck", u"stick", V},   {u"swept", u"sweep", V},   {u"wept", u"weep", V},
    {u"lay", u"lie", V},        {u"lain", u"lie", V},      {u"became", u"become", V}, {u"overcame", u"overcome", V},
    {u"children", u"child", P}, {u"men", u"man", P},       {u"women", u"woman", P},   {u"mice", u"mouse", P},
    {u"feet", u"foot", P},      {u"teeth", u"tooth", P},   {u"geese", u"goose", P},   {u"people", u"person", P},
    {u"knives", u"knife", P},   {u"wives", u"wife", P},    {u"lives", u"life", P},    {u"leaves", u"leaf", P},
    {u"wolves", u"wolf", P},    {u"halves", u"half", P},   {u"shelves", u"shelf", P}, {u"oxen", u"ox", P},
    {u"better", u"good", C},    {u"best", u"good", C},     {u"worse", u"bad", C},     {u"worst", u"bad", C},
    {u"more", u"many", C},      {u"most", u"many", C},     {u"less", u"little", C},   {u"least", u"little", C},
    {u"farther", u"far", C},    {u"further", u"far", C},   {u"elder", u"old", C},     {u"eldest", u"old", C},
};

bool isVowel(QChar c)
{
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u';
}

// "stopped" → "stop", "bigger" → "big": the stem ends in a doubled consonant.
bool endsDoubled(QStringView stem)
{
    return stem.size() >= 3 && stem.back() == stem[stem.size() - 2] && !isVowel(stem.back()) && stem.back() != u's'
           && stem.back() != u'l';
}

QList<BaseForm> ruleCandidates(const QString &w)
{
    QList<BaseForm> out;
    const auto add = [&](QStringView stem, QStringView tail, WordForm kind) {
        if (stem.size() + tail.size() >= 3)
            out.append({stem.toString() + tail.toString(), kind});
    };
    const auto stemOf = [&](qsizetype suffix) { return QStringView(w).first(w.size() - suffix); };
    if (w.endsWith(u"ies") && w.size() > 4) {
        add(stemOf(3), u"y", WordForm::SOrEs);
    } else if (w.endsWith(u"es") && w.size() > 3) {
        add(stemOf(1), u"", WordForm::SOrEs); // makes, takes
        add(stemOf(2), u"", WordForm::SOrEs); // boxes, watches
    } else if (w.endsWith(u's') && !w.endsWith(u"ss") && !w.endsWith(u"us") && !w.endsWith(u"is") && w.size() > 3) {
        add(stemOf(1), u"", WordForm::SOrEs);
    }
    if (w.endsWith(u"ied") && w.size() > 4) {
        add(stemOf(3), u"y", WordForm::VerbForm);
    } else if (w.endsWith(u"ed") && w.size() > 3) {
        add(stemOf(1), u"", WordForm::VerbForm); // liked
        if (endsDoubled(stemOf(2)))
            add(stemOf(3), u"", WordForm::VerbForm); // stopped
        add(stemOf(2), u"", WordForm::VerbForm);     // walked
    }
    if (w.endsWith(u"ying") && w.size() > 4)
        add(stemOf(4), u"ie", WordForm::VerbForm); // lying
    if (w.endsWith(u"ing") && w.size() > 4) {
        if (endsDoubled(stemOf(3)))
            add(stemOf(4), u"", WordForm::VerbForm); // running
        add(stemOf(3), u"", WordForm::VerbForm);     // walking
        add(stemOf(3), u"e", WordForm::VerbForm);    // making
    }
    if ((w.endsWith(u"ier") || w.endsWith(u"iest")) && w.size() > 4) {
        add(stemOf(w.endsWith(u"ier") ? 3 : 4), u"y", WordForm::Comparative);
    } else if (w.endsWith(u"er") || w.endsWith(u"est")) {
        const qsizetype suffix = w.endsWith(u"er") ? 2 : 3;
        if (endsDoubled(stemOf(suffix)))
            add(stemOf(suffix + 1), u"", WordForm::Comparative); // bigger
        add(stemOf(suffix - 1), u"", WordForm::Comparative);     // larger
        add(stemOf(suffix), u"", WordForm::Comparative);         // taller
    }
    return out;
}

enum class Lookup {
    WholeGloss,
    Mention,
    NounOfVerb,
    HeadNoun,
    StateVerb, // "to be surprised", "to get tired": a verb whose past is the adjective (驚いた, 疲れた)
    Negated,   // "(not) ever" for never: a word used with a negative verb (決して)
};

struct Scored
{
    int score = 0;
    QString reading; // to tell two spellings of one word apart
};

const QSet<QString> &outdatedTags()
{
    static const QSet<QString> tags{u"arch"_s, u"obs"_s, u"obsc"_s, u"rare"_s, u"dated"_s};
    return tags;
}

const QSet<QString> &registerTags()
{
    static const QSet<QString> tags{u"sl"_s,      u"vulg"_s, u"derog"_s, u"X"_s,     u"m-sl"_s,     u"net-sl"_s,
                                    u"sens"_s,    u"joc"_s,  u"poet"_s,  u"col"_s,   u"rude"_s,     u"euph"_s,
                                    u"proverb"_s, u"yoji"_s, u"id"_s,    u"quote"_s, u"aphorism"_s, u"abbr"_s};
    return tags;
}

const QSet<QString> &mildTags()
{
    static const QSet<QString> tags{u"hon"_s, u"hum"_s, u"pol"_s, u"male"_s, u"fem"_s, u"fam"_s, u"chn"_s, u"litf"_s};
    return tags;
}

const QSet<QString> &badHeadTags()
{
    static const QSet<QString> tags{u"ok"_s, u"oK"_s, u"iK"_s, u"ik"_s, u"io"_s, u"rK"_s, u"rk"_s, u"sK"_s, u"sk"_s};
    return tags;
}

bool hasVerbPart(const QStringList &partsOfSpeech)
{
    return std::any_of(partsOfSpeech.begin(), partsOfSpeech.end(), [](const QString &pos) {
        return pos.startsWith(u'v') && pos != u"vs" && pos != u"vt" && pos != u"vi";
    });
}

bool hasPart(const QStringList &partsOfSpeech, QStringView prefix)
{
    return std::any_of(partsOfSpeech.begin(), partsOfSpeech.end(),
                       [&](const QString &pos) { return pos.startsWith(prefix); });
}

bool isKana(QChar c)
{
    return (c.unicode() >= 0x3041 && c.unicode() <= 0x309F) || (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FF);
}

int senseScore(const EdictEntry &entry, const EdictSense &sense, bool verb, WordForm form, bool phrase)
{
    int score = 0;
    switch (form) {
    case WordForm::AsTyped:
    case WordForm::SOrEs:
        score += verb ? 4 : 0;
        break;
    case WordForm::VerbForm:
        score += verb ? 12 : -10;
        break;
    case WordForm::Comparative:
        score += hasPart(sense.partsOfSpeech, u"adj") ? 10 : -10;
        break;
    }
    for (const QString &tag : sense.tags) {
        if (outdatedTags().contains(tag) || tag.endsWith(u':'))
            score -= 25;
        else if (registerTags().contains(tag))
            score -= 12;
        else if (tag == u"hum" && !hasVerbPart(sense.partsOfSpeech))
            score -= 3; // a humble noun is the plain word for one's own family (母, 兄)
        else if (mildTags().contains(tag) || tag == u"on-mim")
            score -= 6; // honorifics, and sound-symbolic words, are seldom what a word book prints
        else if (tag != u"uk" && tag != u"food")
            score -= 8; // a field's own term; food is everyone's (バター "(food) butter")
    }
    for (const QString &tag : entry.headTags)
        score -= badHeadTags().contains(tag) ? 30 : 4;
    // A loan from another language than English is the Japanese word itself (パン, アルバイト).
    const bool otherLanguage = !sense.source.isEmpty() && !sense.source.startsWith(u"wasei"_s)
                               && !sense.source.startsWith(u"eng"_s);
    if (!sense.source.isEmpty() && !otherLanguage)
        score -= 3;
    if (!phrase && hasPart(sense.partsOfSpeech, u"exp"))
        score -= 6;
    static const QStringList affixes{u"suf"_s, u"pref"_s,  u"ctr"_s,   u"prt"_s,
                                     u"aux"_s, u"aux-v"_s, u"n-suf"_s, u"n-pref"_s};
    if (!sense.partsOfSpeech.isEmpty()
        && std::all_of(sense.partsOfSpeech.begin(), sense.partsOfSpeech.end(),
                       [](const QString &pos) { return affixes.contains(pos); }))
        score -= 20;
    // Mostly an affix, now and then a word: 大 is "big" before 大きい only in compounds.
    else if (!sense.partsOfSpeech.isEmpty() && affixes.contains(sense.partsOfSpeech.constFirst()))
        score -= 8;
    // A word book gives an English adjective as an い adjective (寒い, not 寒冷).
    if (hasPart(sense.partsOfSpeech, u"adj-i"))
        score += 4;
    // An English loanword when a Japanese word exists is the less expected meaning (アップル for
    // apple), less so a common noun that is the everyday thing's name (カップ, バター); a loaned
    // adjective (ウエット, リッチ) seldom is.
    if (entry.reading.isEmpty() && isKatakanaOnly(entry.headword) && !otherLanguage)
        score -= entry.common && !hasPart(sense.partsOfSpeech, u"adj") ? 4 : 8;
    const bool hasKanji = std::any_of(entry.headword.begin(), entry.headword.end(),
                                      [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
    if (hasKanji)
        score -= std::min<int>(3, static_cast<int>(std::count_if(entry.headword.begin(), entry.headword.end(), isKana))
                                      / 2);
    // Everyday words are the ones with many senses (本, 走る, 光).
    score += static_cast<int>(std::min<qsizetype>(entry.senses.size() - 1, 4));
    return score;
}

QString hiragana(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(c.unicode() - 0x60);
    return out;
}

// Everyday words head many compounds; katakana prefixes (ラン, ランチ, ランプ) say nothing.
int compoundScore(const Edict &edict, const EdictEntry &entry)
{
    const bool hasKanji = std::any_of(entry.headword.begin(), entry.headword.end(),
                                      [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
    if (!hasKanji)
        return 0;
    const int count = edict.headwordsStartingWith(entry.headword);
    const int score = std::min(8, static_cast<int>(1.5 * std::log2(std::max(1, count))));
    // A single kanji heads compounds whether or not it is a word of its own (次, 念, 答).
    return entry.headword.size() == 1 ? score / 2 : score;
}

// Early-taught kanji make the everyday word (家 before 宿): +5 for first-year
// kanji down to -3 for a kanji in no list. Nothing for a kana-only word, nor
// without a table.
int familiarityScore(const KanjiGrades *grades, const EdictEntry &entry)
{
    if (!grades || grades->isEmpty())
        return 0;
    const int level = grades->headwordLevel(entry.headword);
    return level == 0 ? 0 : 6 - level;
}

// The English parts of speech a sense answers for: a verb's "to …" gloss the
// verb, a noun the noun (also when it takes する), adjectives and adverbs
// theirs. None for phrases, particles and the like.
QList<EnglishPart> englishParts(const EdictSense &sense, bool verb)
{
    if (verb)
        return {EnglishPart::Verb};
    QList<EnglishPart> parts;
    const auto add = [&](EnglishPart part) {
        if (!parts.contains(part))
            parts.append(part);
    };
    for (const QString &pos : sense.partsOfSpeech) {
        if (pos == u"n" || pos == u"n-adv" || pos == u"n-t" || pos == u"pn" || pos == u"vs")
            add(EnglishPart::Noun);
        else if (pos.startsWith(u"adj-"))
            add(EnglishPart::Adjective);
        else if (pos == u"adv" || pos == u"adv-to")
            add(EnglishPart::Adverb);
    }
    return parts;
}

// A sense of a part of speech the English word is seldom used as loses up to
// UsageWeight points: "house" is mostly a noun, so 家 before 宿す "to house".
int usageScore(const std::optional<PartShares> &shares, const EdictSense &sense, bool verb)
{
    constexpr int UsageWeight = 10;
    const QList<EnglishPart> parts = englishParts(sense, verb);
    if (!shares || parts.isEmpty())
        return 0;
    double best = 0;
    for (const EnglishPart part : parts)
        best = std::max(best, shares->of(part));
    return static_cast<int>(std::lround(UsageWeight * (best - 1.0)));
}

// Whether a verb's gloss has one remark, the preposition the verb takes:
// "to fight (with)", "to be frightened (of)".
bool prepositionRemark(const QString &gloss)
{
    static const QRegularExpression remark(u"^to [^()]*\\((with|against|on|at|to|for|in|of|from|into|about|by)\\)$"_s);
    return remark.match(gloss).hasMatch();
}

struct Context
{
    const Edict &edict;
    const KanjiGrades *grades;
    std::optional<PartShares> shares; // of the word looked up; null without WordNet or when it knows too little
};

void collect(const Context &context, const QList<EdictEntry> &entries, const std::string &key, Lookup lookup,
             WordForm form, int bonus, bool phrase, QHash<QString, Scored> &best)
{
    for (const EdictEntry &entry : entries) {
        // A katakana "grand piano" is the loan of both words, not a Japanese word for the kind.
        if (lookup == Lookup::HeadNoun && isKatakanaOnly(entry.headword))
            continue;
        const int compounds = compoundScore(context.edict, entry) + familiarityScore(context.grades, entry);
        for (qsizetype si = 0; si < entry.senses.size(); ++si) {
            const EdictSense &sense = entry.senses.at(si);
            const bool suru = sense.partsOfSpeech.contains(u"vs"_s);
            if (lookup == Lookup::NounOfVerb && !suru)
                continue;
            // The word as a learner reads it: in kana where it is usually written so.
            const bool kana = sense.tags.contains(u"uk"_s) && !entry.reading.isEmpty();
            const QString written = kana ? entry.reading : entry.headword;
            const QString stateMeaning = lookup == Lookup::StateVerb ? plainPast(written, sense.partsOfSpeech)
                                                                     : QString();
            if (lookup == Lookup::StateVerb && stateMeaning.isEmpty())
                continue;
            for (qsizetype gi = 0; gi < sense.glosses.size(); ++gi) {
                // Only a noun's first gloss names its verb: 予約 is "reservation" before "booking".
                if (lookup == Lookup::NounOfVerb && (si > 0 || gi > 0))
                    break;
                const QString &gloss = sense.glosses.at(gi);
                const std::string glossKeyText = glossKey(gloss);
                int score = 100 + bonus;
                if (lookup == Lookup::Mention) {
                    const std::string padded = ' ' + glossKeyText + ' ';
                    if (padded.find(' ' + key + ' ') == std::string::npos)
                        continue;
                    score -= 40;
                } else if (lookup == Lookup::HeadNoun) {
                    // One kind of the thing, named by two words ending in it: 駅 "railway station".
                    const std::size_t space = glossKeyText.find(' ');
                    if (space == std::string::npos || glossKeyText.compare(space + 1, std::string::npos, key) != 0
                        || glossKeyText.compare(0, space, "to") == 0 || !hasPart(sense.partsOfSpeech, u"n"))
                        continue;
                    score -= 10;
                } else if (glossKeyText != key || (lookup == Lookup::Negated) != gloss.startsWith(u"(not) "_s)) {
                    // "(not) ever" glosses never, not ever.
                    continue;
                }
                const bool toGloss = gloss.startsWith(u"to "_s, Qt::CaseInsensitive);
                // A noun that takes する answers for its verb: "meaning" for "mean", "study" for "studied".
                const bool asSuru = lookup == Lookup::NounOfVerb || (form == WordForm::VerbForm && suru && !toGloss);
                const bool verb = asSuru || (toGloss && hasVerbPart(sense.partsOfSpeech));
                // The whole gloss is the word; a remark such as "apple (fruit)" only narrows it, and
                // an article makes it a phrase ("a family"). "the world" is the word itself, but "the
                // Dog" or "the Monkey" is a name, the zodiac's and not the animal.
                const bool name = gloss.startsWith(u"the "_s, Qt::CaseInsensitive) && gloss.size() > 4
                                  && gloss.at(4).isUpper();
                const bool article = gloss.startsWith(u"a "_s, Qt::CaseInsensitive)
                                     || gloss.startsWith(u"an "_s, Qt::CaseInsensitive);
                // "(not) ever" is the whole of never, and "to fight (with)" only names the preposition
                // that follows: neither is a remark that narrows the word.
                const bool remark = !name && !article && gloss.contains(u'(') && lookup != Lookup::Negated
                                    && !prepositionRemark(gloss);
                score += name ? 4 : article || remark ? 9 : 12;
                score += compounds;
                score += entry.common ? 40 : 0;
                score -= 6 * static_cast<int>(std::min<qsizetype>(si, 5));
                score -= 2 * static_cast<int>(std::min<qsizetype>(gi, 5));
                // The entry's first gloss is the word it was written for (歩く "to walk"), a later
                // sense only one use of it (歩む "to walk; to tread a path; to advance").
                if (si == 0 && gi == 0 && lookup != Lookup::Mention)
                    score += 3;
                score += senseScore(entry, sense, verb, form, phrase);
                // The English word of a state verb is an adjective, whatever the verb's part of speech.
                if (lookup != Lookup::StateVerb)
                    score += usageScore(context.shares, sense, verb);
                QString meaning = lookup == Lookup::StateVerb ? stateMeaning : written;
                if (asSuru) {
                    meaning += u"する"_s;
                    // "fight" for 喧嘩 is a noun that happens to take する; "meaning" for 意味 names the verb.
                    score -= lookup == Lookup::NounOfVerb ? 3 : 8;
                }
                qCDebug(lcMeanings) << key.c_str() << meaning << score;
                const QString reading = hiragana(entry.reading.isEmpty() ? entry.headword : entry.reading);
                auto it = best.find(meaning);
                if (it == best.end())
                    best.insert(meaning, {score, reading});
                else if (it->score < score)
                    it->score = score;
            }
        }
    }
}

// The word a negative is made of, as EDICT glosses the words used with a
// negative verb: never "(not) ever", nothing "(not) anything", "not at all"
// "(not) at all". Empty for any other word.
std::string negatedKey(const std::string &key)
{
    static const std::pair<std::string_view, std::string_view> negatives[] = {
        {"never", "ever"},    {"nothing", "anything"}, {"nobody", "anybody"},
        {"no one", "anyone"}, {"nowhere", "anywhere"}, {"none", "any"},
    };
    for (const auto &[negative, positive] : negatives)
        if (key == negative)
            return std::string(positive);
    if (key.starts_with("not ") && key.size() > 4)
        return key.substr(4);
    return {};
}

// "mean" → "meaning", "run" → "running", "make" → "making".
QList<std::string> ingForms(const QString &word)
{
    QList<std::string> forms;
    const std::string w = word.toStdString();
    if (word.size() < 3 || word.contains(u' '))
        return forms;
    forms.append(w + "ing");
    if (w.back() == 'e')
        forms.append(w.substr(0, w.size() - 1) + "ing");
    const auto vowel = [](char c) { return std::strchr("aeiou", c) != nullptr; };
    const char last = w.back();
    if (!vowel(last) && last != 'w' && last != 'x' && last != 'y' && vowel(w[w.size() - 2]) && !vowel(w[w.size() - 3]))
        forms.append(w + last + "ing");
    return forms;
}

// The nouns of the act English makes from a verb: explain → explanation,
// decide → decision, arrive → arrival, agree → agreement. Many are not
// words (walkation); the look-up finds nothing for those.
QList<std::string> actionNouns(const QString &word)
{
    QList<std::string> nouns;
    const std::string w = word.toStdString();
    if (word.size() < 4 || word.contains(u' '))
        return nouns;
    const auto endsWith = [&](std::string_view end) { return w.ends_with(end); };
    const std::string stem = endsWith("e") ? w.substr(0, w.size() - 1) : w;
    nouns.append(stem + "ation"); // inform, prepare, invite, organize
    nouns.append(w + "ment");     // agree, develop, improve, arrange
    nouns.append(stem + "al");    // arrive, approve, refuse
    nouns.append(stem + "ion");   // discuss, collect, create
    if (endsWith("ain"))
        nouns.append(w.substr(0, w.size() - 3) + "anation"); // explain
    if (endsWith("ide") || endsWith("ude"))
        nouns.append(w.substr(0, w.size() - 2) + "sion"); // decide, conclude
    if (endsWith("ibe"))
        nouns.append(w.substr(0, w.size() - 2) + "ption"); // describe
    if (endsWith("duce"))
        nouns.append(w.substr(0, w.size() - 2) + "ction"); // introduce, produce
    return nouns;
}

} // namespace

QString plainPast(const QString &verb, const QStringList &partsOfSpeech)
{
    if (partsOfSpeech.contains(u"vs"_s) && !verb.endsWith(u"する"_s))
        return verb + u"した"_s;
    for (const QString &part : partsOfSpeech) {
        if ((part == u"v1" || part == u"v1-s") && verb.endsWith(u'る'))
            return verb.chopped(1) + u"た"_s;
        if ((part == u"vs-i" || part == u"vs-s") && verb.endsWith(u"する"_s))
            return verb.chopped(2) + u"した"_s;
        if (part == u"v5k-s")
            return verb.chopped(1) + u"った"_s;
        if (!part.startsWith(u"v5") || part == u"v5u-s" || part == u"v5uru")
            continue;
        static const std::pair<QChar, QStringView> endings[] = {
            {u'う', u"った"}, {u'つ', u"った"}, {u'る', u"った"}, {u'く', u"いた"}, {u'ぐ', u"いだ"},
            {u'す', u"した"}, {u'ぬ', u"んだ"}, {u'ぶ', u"んだ"}, {u'む', u"んだ"},
        };
        for (const auto &[ending, past] : endings)
            if (verb.endsWith(ending))
                return verb.chopped(1) + past.toString();
    }
    return {};
}

std::optional<BaseForm> baseForm(const QString &word, const std::function<bool(const QString &)> &exists)
{
    for (const Irregular &irregular : Irregulars)
        if (word == QStringView(irregular.form))
            return BaseForm{QString::fromUtf16(irregular.base), irregular.kind};
    if (word.contains(u' '))
        return std::nullopt;
    const QList<BaseForm> candidates = ruleCandidates(word);
    for (const BaseForm &candidate : candidates)
        if (exists(candidate.word))
            return candidate;
    return std::nullopt;
}

MeaningFinder::MeaningFinder(const Edict &edict, const KanjiGrades *grades, const WordUsage *usage)
    : m_edict(edict)
    , m_grades(grades)
    , m_usage(usage)
{
}

QStringList MeaningFinder::meanings(QStringView wordOrPhrase) const
{
    const QString word = wordOrPhrase.trimmed().toString().simplified().toLower();
    const std::string key = glossKey(word);
    if (key.empty())
        return {};
    const bool phrase = word.contains(u' ');
    QHash<QString, Scored> best;
    const auto sharesOf = [this](const std::string &englishWord) {
        return m_usage ? m_usage->shares(englishWord) : std::nullopt;
    };
    Context context{m_edict, m_grades, sharesOf(key)};
    collect(context, m_edict.entriesGlossedAs(key), key, Lookup::WholeGloss, WordForm::AsTyped, 0, phrase, best);
    for (const std::string &ing : ingForms(word))
        collect(context, m_edict.entriesGlossedAs(ing), ing, Lookup::NounOfVerb, WordForm::AsTyped, 0, phrase, best);
    for (const std::string &noun : actionNouns(word))
        collect(context, m_edict.entriesGlossedAs(noun), noun, Lookup::NounOfVerb, WordForm::AsTyped, 0, phrase, best);
    // EDICT glosses some things by their plural: 唇 "lips".
    if (!phrase)
        collect(context, m_edict.entriesGlossedAs(key + "s"), key + "s", Lookup::WholeGloss, WordForm::AsTyped, -8,
                phrase, best);
    if (const std::string positive = negatedKey(key); !positive.empty())
        collect(context, m_edict.entriesGlossedAs(positive), positive, Lookup::Negated, WordForm::AsTyped, 0, phrase,
                best);

    const std::optional<BaseForm> base = baseForm(
        word, [this](const QString &candidate) { return m_edict.hasGloss(glossKey(candidate)); });
    // A participle used as an adjective names a state ("tired", "surprised", "lost"): the past of the
    // verb of getting into it (疲れた, 驚いた), not the verb that puts another there (驚かす).
    // WordNet tells "tired" (mostly an adjective) from "found" (a verb's past, 見つけた not 見つかった).
    const bool adjective = context.shares && context.shares->of(EnglishPart::Adjective) >= 0.5;
    if (base && base->form == WordForm::VerbForm && adjective) {
        for (const char *verb : {"be ", "get ", "become ", "feel "}) {
            const std::string state = verb + key;
            collect(context, m_edict.entriesGlossedAs(state), state, Lookup::StateVerb, WordForm::AsTyped, 3, phrase,
                    best);
        }
    }
    if (base) {
        // An inflected form that is an everyday word of its own ("glasses", "left", "surprised")
        // keeps that meaning first.
        const bool ownWord = std::any_of(best.cbegin(), best.cend(),
                                         [](const Scored &scored) { return scored.score >= 150; });
        const std::string baseKey = glossKey(base->word);
        // The inflection says what the word is ("went" a verb), except -s, which a noun and a verb both take.
        context.shares = base->form == WordForm::SOrEs ? sharesOf(baseKey) : std::nullopt;
        collect(context, m_edict.entriesGlossedAs(baseKey), baseKey, Lookup::WholeGloss, base->form, ownWord ? -25 : -8,
                phrase, best);
    }
    if (!phrase) {
        // One look-up for both: the kinds a two-word gloss names, then any mention when nothing else was found.
        const QList<EdictEntry> mentioning = m_edict.entriesMentioning(key);
        collect(context, mentioning, key, Lookup::HeadNoun, WordForm::AsTyped, 0, phrase, best);
        if (best.isEmpty())
            collect(context, mentioning, key, Lookup::Mention, WordForm::AsTyped, 0, phrase, best);
    }

    QList<std::pair<QString, Scored>> ranked;
    for (auto it = best.cbegin(); it != best.cend(); ++it)
        ranked.append({it.key(), it.value()});
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) {
        return a.second.score != b.second.score ? a.second.score > b.second.score : a.first < b.first;
    });
    QStringList out;
    if (ranked.isEmpty())
        return out;
    out.append(ranked.constFirst().first);
    // A second meaning only when it is nearly as likely and another word, not a spelling of the first.
    for (qsizetype i = 1; i < ranked.size(); ++i) {
        const auto &[meaning, scored] = ranked.at(i);
        if (scored.score < ranked.constFirst().second.score - 9)
            break;
        // A second spelling of the first word, or the English word in katakana, tells the learner nothing.
        const QString &firstReading = ranked.constFirst().second.reading;
        if (scored.reading != firstReading && !scored.reading.startsWith(firstReading)
            && !firstReading.startsWith(scored.reading) && !isKatakanaOnly(meaning)) {
            out.append(meaning);
            break;
        }
    }
    return out;
}

QStringList MeaningFinder::loanwordSpellings(QStringView word, Spellings which) const
{
    const std::string key = glossKey(word.trimmed().toString().simplified().toLower());
    if (key.empty())
        return {};
    QList<std::pair<int, QString>> found;
    const QList<EdictEntry> entries = m_edict.entriesGlossedAs(key);
    for (const EdictEntry &entry : entries) {
        // A loan written with kanji keeps its katakana as the reading: 珈琲 [コーヒー].
        const QString &spelling = entry.reading.isEmpty() ? entry.headword : entry.reading;
        if (!isKatakanaOnly(spelling))
            continue;
        for (qsizetype si = 0; si < entry.senses.size(); ++si) {
            const EdictSense &sense = entry.senses.at(si);
            // A loan names its English word first; katakana glossed otherwise is a native word
            // written in katakana (セコイ "petty, stingy, mean") or a sound-symbolic one. A loan
            // through another language stays (レストラン, コーヒー): the reading drafter takes it
            // only when it sounds like the English word, so パン never stands for bread.
            if (sense.source.startsWith(u"wasei"_s) || sense.tags.contains(u"on-mim"_s)
                || glossKey(sense.glosses.constFirst()) != key || hasPart(sense.partsOfSpeech, u"adj-i")
                || hasVerbPart(sense.partsOfSpeech))
                continue;
            const int rank = (entry.common ? 0 : 100) + static_cast<int>(si) * 10;
            found.append({rank, spelling});
            break;
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    const bool anyCommon = !found.isEmpty() && found.constFirst().first < 100;
    const bool rareToo = which == Spellings::All || (which == Spellings::PreferCommon && !anyCommon);
    QStringList spellings;
    for (const auto &[rank, spelling] : found)
        if (!spellings.contains(spelling) && (rareToo || rank < 100))
            spellings.append(spelling);
    return spellings;
}

} // namespace lexiwren::maker
