// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrillControl.h"

#include "Logging.h"
#include "platform/Clock.h"

#include <algorithm>
#include <utility>

namespace lexiwren {

DrillControl::DrillControl(Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
{
}

DrillControl::State DrillControl::state() const
{
    if (!isRunning())
        return State::Stopped;
    return m_paused ? State::Paused : State::Playing;
}

void DrillControl::togglePause()
{
    if (m_paused)
        resume();
    else
        pause();
}

void DrillControl::pause()
{
    if (!isRunning() || m_stopping)
        return;
    const State before = state();
    setPaused(true);
    notifyIfChanged(before);
}

void DrillControl::resume()
{
    const State before = state();
    setPaused(false);
    notifyIfChanged(before);
}

void DrillControl::next()
{
    if (isRunning())
        m_nextRequested = true;
}

void DrillControl::stop()
{
    if (!isRunning() || m_stopping)
        return;
    qCDebug(lcDrill) << "stop requested with" << m_depth << "drills running";
    const State before = state();
    m_stopping = true;
    m_nextRequested = false;
    setPaused(false);
    notifyIfChanged(before);
}

int DrillControl::drillStarted()
{
    const State before = state();
    ++m_depth;
    m_nextRequested = false;
    setPaused(false);
    notifyIfChanged(before);
    return ++m_drillsStarted;
}

void DrillControl::drillEnded()
{
    const State before = state();
    m_depth = std::max(0, m_depth - 1);
    if (m_depth == 0) {
        // The stop has reached every drill it was meant for.
        m_stopping = false;
        m_nextRequested = false;
        setPaused(false);
    }
    notifyIfChanged(before);
}

bool DrillControl::takeNext()
{
    return std::exchange(m_nextRequested, false);
}

std::chrono::nanoseconds DrillControl::pausedTotal(std::chrono::nanoseconds now) const
{
    return m_pausedBefore
           + (m_paused ? std::max(std::chrono::nanoseconds::zero(), now - m_pausedSince)
                       : std::chrono::nanoseconds::zero());
}

void DrillControl::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    const std::chrono::nanoseconds now = m_clock.now();
    if (paused)
        m_pausedSince = now;
    else
        m_pausedBefore += std::max(std::chrono::nanoseconds::zero(), now - m_pausedSince);
    m_paused = paused;
}

void DrillControl::notifyIfChanged(State before)
{
    if (state() != before)
        emit stateChanged(state());
}

} // namespace lexiwren
