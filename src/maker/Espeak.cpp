// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Espeak.h"

#include <QMutex>
#include <QMutexLocker>

#include <espeak-ng/speak_lib.h>

#include <array>

namespace lexiwren::maker::espeak {

namespace {

// espeak-ng's state for the whole process: started once, ended at exit.
class Engine
{
public:
    Engine()
    {
        // No audio: phonemes only. 0x8000 keeps espeak-ng from ending the
        // process when its data is missing.
        m_ready = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0x8000) > 0
                  && espeak_SetVoiceByName("en-us") == EE_OK;
    }
    ~Engine()
    {
        if (m_ready)
            espeak_Terminate();
    }
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    bool ready() const { return m_ready; }

private:
    bool m_ready = false;
};

QMutex &engineLock()
{
    static QMutex lock;
    return lock;
}

struct Mnemonic
{
    const char *espeak;
    const char *cmu; // phones separated by spaces; vowels first in a pair
};

// Longest first, so that "aI@" wins over "aI" and "a".
constexpr std::array<Mnemonic, 57> table = {{
    {"aI@", "ay er"}, {"aU@", "aw er"}, {"i@3", "iy er"}, {"A@", "aa r"}, {"e@", "eh r"}, {"i@", "ih r"},
    {"I@", "ih r"},   {"O@", "ao r"},   {"o@", "ao r"},   {"U@", "uh r"}, {"3:", "er"},   {"@L", "ax l"},
    {"@r", "er"},     {"aI", "ay"},     {"aU", "aw"},     {"eI", "ey"},   {"oU", "ow"},   {"OI", "oy"},
    {"A:", "aa"},     {"O:", "ao"},     {"i:", "iy"},     {"u:", "uw"},   {"a#", "ax"},   {"I#", "ih"},
    {"I2", "ih"},     {"tS", "ch"},     {"dZ", "jh"},     {"t#", "t"},    {"3", "er"},    {"@", "ax"},
    {"a", "ae"},      {"A", "aa"},      {"E", "eh"},      {"I", "ih"},    {"i", "iy"},    {"0", "aa"},
    {"O", "ao"},      {"V", "ah"},      {"U", "uh"},      {"u", "uw"},    {"e", "eh"},    {"o", "ow"},
    {"T", "th"},      {"D", "dh"},      {"S", "sh"},      {"Z", "zh"},    {"N", "ng"},    {"j", "y"},
    {"h", "hh"},      {"p", "p"},       {"b", "b"},       {"t", "t"},     {"d", "d"},     {"k", "k"},
    {"g", "g"},       {"f", "f"},       {"v", "v"},
}};

constexpr std::array<Mnemonic, 8> moreConsonants = {{
    {"s", "s"},
    {"z", "z"},
    {"m", "m"},
    {"n", "n"},
    {"l", "l"},
    {"r", "r"},
    {"w", "w"},
    {"x", "k"},
}};

} // namespace

QByteArray phonemes(const QString &word)
{
    const QMutexLocker locker(&engineLock());
    static Engine engine;
    if (!engine.ready())
        return {};
    const QByteArray text = word.toUtf8();
    const void *position = text.constData();
    QByteArray result;
    while (position) {
        const char *clause = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, 0);
        if (!clause)
            break;
        if (!result.isEmpty())
            result.append(' ');
        result.append(clause);
    }
    return result.trimmed();
}

Pronunciation fromMnemonics(QByteArrayView mnemonics)
{
    Pronunciation pronunciation;
    int pendingStress = 0; // 2 primary, 1 secondary, for the next vowel
    qsizetype i = 0;
    while (i < mnemonics.size()) {
        const char c = mnemonics[i];
        if (c == '\'' || c == ',') {
            pendingStress = c == '\'' ? 2 : 1;
            ++i;
            continue;
        }
        const Mnemonic *match = nullptr;
        for (const Mnemonic &m : table) {
            if (mnemonics.sliced(i).startsWith(QByteArrayView(m.espeak))) {
                match = &m;
                break;
            }
        }
        if (!match) {
            for (const Mnemonic &m : moreConsonants) {
                if (mnemonics.sliced(i).startsWith(QByteArrayView(m.espeak))) {
                    match = &m;
                    break;
                }
            }
        }
        if (!match) {
            ++i; // length marks, pauses, glottal stops: nothing to read
            continue;
        }
        i += QByteArrayView(match->espeak).size();
        const QList<QByteArray> phones = QByteArray(match->cmu).split(' ');
        for (const QByteArray &phone : phones) {
            if (isVowelSymbol(phone)) {
                if (pendingStress == 2 && pronunciation.primary < 0)
                    pronunciation.primary = static_cast<int>(pronunciation.phones.size());
                pronunciation.phones.append({phone, pendingStress > 0 ? 1 : 0});
                pendingStress = 0;
            } else {
                pronunciation.phones.append({phone, -1});
            }
        }
    }
    return pronunciation;
}

std::optional<Pronunciation> pronounce(const QString &word)
{
    const QByteArray text = phonemes(word);
    if (text.isEmpty())
        return std::nullopt;
    Pronunciation pronunciation = fromMnemonics(text);
    if (pronunciation.primary < 0) {
        const QList<int> stressed = pronunciation.stressedVowels();
        if (!stressed.isEmpty())
            pronunciation.primary = stressed.front();
    }
    for (const Phone &phone : std::as_const(pronunciation.phones)) {
        if (phone.isVowel())
            return pronunciation;
    }
    return std::nullopt;
}

} // namespace lexiwren::maker::espeak
