// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrillRunner.h"

#include "DrillControl.h"
#include "Logging.h"
#include "deck/Shuffle.h"
#include "platform/Speaker.h"

#include <utility>

namespace lexiwren {

DrillRunner::DrillRunner(DrillView &view, Platform platform, DrillControl &control, DrillState state)
    : m_view(view)
    , m_platform(platform)
    , m_control(control)
    , m_state(state)
    , m_wait(platform.clock, platform.pump, platform.end, &control)
{
}

void DrillRunner::run(Prompt prompt, Order order)
{
    if (m_platform.end.isEnding())
        return;
    const int drillNumber = m_control.drillStarted();
    cancelSpeech();
    m_wordToSay.clear();
    CardSequence sequence(*this);
    sequence.prologue();
    // With laps on, the drill starts again at its first card until it is
    // stopped or another drill starts inside it.
    for (int lap = 1;; ++lap) {
        if (order == Order::Shuffled)
            m_lapShuffle(m_state, m_platform.random);
        sequence.setLap(lap);
        const CardTable &rows = order == Order::Shuffled ? m_state.shuffled : m_state.deck;
        if (!sequence.cardLoop(prompt, rows, m_state.cardCount, m_state.cardIndex))
            break;
        if (!m_lapsOn || m_state.cardCount == 0)
            break;
        // At speed 0 no wait lets an event in; between laps they get their
        // turn, so a lapping drill can still be stopped.
        m_platform.pump.processEvents(std::chrono::nanoseconds::zero());
        if (m_platform.end.isEnding() || m_control.isStopping() || !m_control.isLatest(drillNumber))
            break;
    }
    m_control.drillEnded();
    // A stopped drill ends as one that ran out; an ending program takes no
    // further step at all.
    if (!m_platform.end.isEnding())
        sequence.epilogue();
}

void DrillRunner::swapShuffle(DrillState &state, RandomSource &random)
{
    copyRows(state.deck, state.shuffled, state.cardCount, state.cardIndex, state.fieldIndex);
    shuffleRows(state.shuffled, state.cardCount, random, state.cardIndex, state.fieldIndex);
}

void DrillRunner::wholeShuffle(DrillState &state, RandomSource &random)
{
    copyRows(state.deck, state.shuffled, state.cardCount, state.cardIndex, state.fieldIndex);
    shuffleAllRows(state.shuffled, state.cardCount, random, state.cardIndex, state.fieldIndex);
}

void DrillRunner::setSpeaker(Speaker *speaker)
{
    m_speaker = speaker;
}

void DrillRunner::setSpeechOn(bool on)
{
    const bool wasOn = std::exchange(m_speechOn, on);
    if (wasOn && !on && m_speaker)
        m_speaker->cancel();
}

bool DrillRunner::isSpeechOn() const
{
    return m_speaker && m_speechOn && !m_speechGivenUp;
}

bool DrillRunner::isRunning() const
{
    return m_control.isRunning();
}

void DrillRunner::phaseShown(const CardInView &card)
{
    // A word is never heard over the next card.
    if (card.phase == CardPhase::Header)
        cancelSpeech();
    m_inView = card;
    if (card.showsWord() && isSpeechOn() && !card.row[EnglishField].trimmed().isEmpty())
        m_wordToSay = card.row[EnglishField];
    m_view.phaseShown(card);
}

// With speech on, a shown word is said first and the card's own time starts
// once it has been heard.
bool DrillRunner::hold(qint32 durationMs)
{
    if (!m_wordToSay.isEmpty()) {
        switch (sayWord(std::exchange(m_wordToSay, QString()))) {
        case Spoken::TimeFollows:
            break;
        case Spoken::PhaseOver:
            return true;
        case Spoken::Stopped:
            return false;
        }
    }
    const bool goOn = m_view.hold(durationMs);
    cancelSpeech();
    return goOn;
}

DrillRunner::Spoken DrillRunner::sayWord(const QString &word)
{
    const int drillsBefore = m_control.drillsStarted();
    // A drill started inside the wait has used up this card's time, as it
    // would have used up the card's own wait.
    const auto after = [&](DrillWait::End end) {
        if (end == DrillWait::End::Stopped)
            return Spoken::Stopped;
        if (end == DrillWait::End::Skipped || m_control.drillsStarted() != drillsBefore)
            return Spoken::PhaseOver;
        return Spoken::TimeFollows;
    };

    // The bell would cover the start of the word.
    const Beeper &bell = m_platform.beeper;
    if (bell.isSounding()) {
        const Spoken afterBell = after(m_wait.hold({BellCap, [&bell] { return !bell.isSounding(); }}));
        if (afterBell != Spoken::TimeFollows)
            return afterBell;
    }

    Speaker &speaker = *m_speaker;
    DrillWait::Hold spoken{SpeechCap};
    spoken.isOver = [&speaker] { return !speaker.isSpeaking(); };
    spoken.begin = [&speaker, &word] { speaker.say(word); };
    spoken.cutOff = [&speaker] { speaker.cancel(); };
    // A pause cuts the word off; resuming says it again from the start.
    spoken.beginsAgainAfterPause = true;
    const Spoken afterWord = after(m_wait.hold(spoken));
    if (!speaker.unavailableReason().isEmpty())
        reportOnce(SpeechTrouble::Unreachable);
    if (afterWord == Spoken::TimeFollows)
        noteWordEnd(speaker.isSpeaking());
    return afterWord;
}

// One word at the cap is one slow card (a service restarting, say); words
// that never end, one after another, mean the service has no sound to play
// them on, and every card would wait the whole cap.
void DrillRunner::noteWordEnd(bool capped)
{
    if (!capped) {
        m_cappedInRow = 0;
        return;
    }
    if (++m_cappedInRow < CappedWordsToGiveUp)
        return;
    qCWarning(lcDrill) << "speech: the speech service never reported the end of" << m_cappedInRow
                       << "words in a row; no more words are said in this run";
    m_speechGivenUp = true;
    m_wordToSay.clear();
    reportOnce(SpeechTrouble::WordsNeverEnd);
}

void DrillRunner::cancelSpeech()
{
    if (m_speaker && m_speaker->isSpeaking())
        m_speaker->cancel();
}

void DrillRunner::reportOnce(SpeechTrouble trouble)
{
    bool &told = trouble == SpeechTrouble::Unreachable ? m_unreachableTold : m_neverEndTold;
    if (std::exchange(told, true))
        return;
    m_view.speechTrouble(trouble);
}

} // namespace lexiwren
