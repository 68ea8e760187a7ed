// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpokenWait.h"

#include "DrillControl.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/ProgramEnd.h"
#include "platform/Speaker.h"

#include <algorithm>

namespace lexiwren {

SpokenWait::SpokenWait(Clock &clock, EventPump &pump, ProgramEnd &end, DrillControl &control, Speaker &speaker)
    : m_clock(clock)
    , m_pump(pump)
    , m_end(end)
    , m_control(control)
    , m_speaker(speaker)
{
}

SpokenWait::Outcome SpokenWait::sayAndWait(const QString &word)
{
    using std::chrono::nanoseconds;
    if (m_end.isEnding() || m_control.isStopping())
        return Outcome::Stopped;

    bool toSay = true;
    nanoseconds saidAt{};
    nanoseconds now = m_clock.now();
    for (;;) {
        if (m_end.isEnding() || m_control.isStopping()) {
            m_speaker.cancel();
            return Outcome::Stopped;
        }
        if (m_control.takeNext()) {
            m_speaker.cancel();
            return Outcome::Skipped;
        }
        if (m_control.isPaused()) {
            if (m_speaker.isSpeaking()) {
                m_speaker.cancel();
                toSay = true;
            }
            m_pump.processEvents(DrillControl::PausedSleep);
            now = m_clock.now();
            continue;
        }
        if (toSay) {
            toSay = false;
            m_speaker.say(word);
            saidAt = now;
        }
        if (!m_speaker.isSpeaking() || now - saidAt >= Cap)
            return Outcome::Spoken;
        // Woken by the service's end notice, or by the cap.
        m_pump.processEvents(std::max(nanoseconds::zero(), saidAt + Cap - now));
        now = m_clock.now();
    }
}

} // namespace lexiwren
