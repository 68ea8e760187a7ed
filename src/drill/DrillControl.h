// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the learner asks of the drills that are running: pause and resume,
// the next step at once, or stop. The paced wait and the drill loop consult
// it; keys, the extras menu and the desktop's media controls drive it. A
// learner who never asks anything sees the drills run exactly as without it.
#pragma once

#include <QObject>

#include <chrono>

namespace lexiwren {

class Clock;

class DrillControl : public QObject
{
    Q_OBJECT
public:
    enum class State { Stopped, Playing, Paused };
    Q_ENUM(State)

    // How long a paused wait sleeps in the pump when no event wakes it first;
    // a key press, a click or a media-control call wakes it at once.
    static constexpr std::chrono::nanoseconds PausedSleep = std::chrono::hours(1);

    explicit DrillControl(Clock &clock, QObject *parent = nullptr);

    State state() const;
    bool isRunning() const { return m_depth > 0; }
    bool isPaused() const { return m_paused; }
    // True from a stop until the outermost drill has ended.
    bool isStopping() const { return m_stopping; }

    // The learner's requests. Each does nothing while no drill runs.
    void togglePause();
    void pause();
    void resume();
    void next();
    void stop();

    // A drill begins; any pause ends, since a start button works while
    // paused. Returns the drill's number for isLatest().
    int drillStarted();
    void drillEnded();
    // True while no other drill has begun since the drill of that number.
    bool isLatest(int drillNumber) const { return drillNumber == m_drillsStarted; }
    int drillsStarted() const { return m_drillsStarted; }

    // True once for each request of the next step; the wait that sees it ends.
    bool takeNext();
    // Everything spent paused so far, as of clock time now.
    std::chrono::nanoseconds pausedTotal(std::chrono::nanoseconds now) const;

signals:
    void stateChanged(lexiwren::DrillControl::State state);

private:
    // Keeps the paused time; the caller tells the listeners.
    void setPaused(bool paused);
    void notifyIfChanged(State before);

    Clock &m_clock;
    int m_depth = 0;
    int m_drillsStarted = 0;
    bool m_paused = false;
    bool m_nextRequested = false;
    bool m_stopping = false;
    std::chrono::nanoseconds m_pausedBefore{}; // closed pauses
    std::chrono::nanoseconds m_pausedSince{};  // start of the open one
};

} // namespace lexiwren
