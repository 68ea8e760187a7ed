// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanberraBeeper.h"

#include "Logging.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

#include <canberra.h>

namespace lexiwren {

CanberraBeeper::CanberraBeeper() = default;

CanberraBeeper::~CanberraBeeper()
{
    // Cancels what still plays and stops libcanberra's thread: an end notice
    // comes, if at all, before this returns, while the members still exist.
    if (m_context)
        ca_context_destroy(m_context);
}

bool CanberraBeeper::ensureContext()
{
    // Opened on first use: start-up stays fast and a machine without sound
    // pays for the failed attempt once, not at every card.
    if (m_context)
        return true;
    if (m_unavailable)
        return false;
    if (const int created = ca_context_create(&m_context); created != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = true;
        warnNoSound("cannot create a libcanberra context", created);
        return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Lexiwren", CA_PROP_APPLICATION_ID,
                            "org.lexiwren.Lexiwren", nullptr);
    if (const int opened = ca_context_open(m_context); opened != CA_SUCCESS) {
        ca_context_destroy(m_context);
        m_context = nullptr;
        m_unavailable = true;
        warnNoSound("cannot open a libcanberra context", opened);
        return false;
    }
    return true;
}

void CanberraBeeper::beep()
{
    if (ensureContext()) {
        // 0 stands for "nothing playing", so the ids skip it when they wrap.
        if (++m_lastId == 0)
            ++m_lastId;
        const std::uint32_t id = m_lastId;
        ca_proplist *properties = nullptr;
        ca_proplist_create(&properties);
        ca_proplist_sets(properties, CA_PROP_EVENT_ID, "bell");
        ca_proplist_sets(properties, CA_PROP_EVENT_DESCRIPTION, "Next card");
        // Set first: the end may come on libcanberra's thread before play returns.
        m_sounding = id;
        const int played = ca_context_play_full(m_context, id, properties, &CanberraBeeper::finished, this);
        ca_proplist_destroy(properties);
        if (played == CA_SUCCESS)
            return;
        std::uint32_t playing = id;
        m_sounding.compare_exchange_strong(playing, 0);
        warnNoSound("cannot play the \"bell\" sound", played);
    }
    QApplication::beep();
}

// On libcanberra's thread, when the bell has ended, failed or was cancelled.
void CanberraBeeper::finished(ca_context *, std::uint32_t id, int, void *beeper)
{
    std::uint32_t playing = id;
    // A later bell's id stays: only its own end clears it.
    if (!static_cast<CanberraBeeper *>(beeper)->m_sounding.compare_exchange_strong(playing, 0))
        return;
    // A wait sleeping in the event pump wakes up and sees the bell has ended.
    if (const QCoreApplication *application = QCoreApplication::instance()) {
        if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(application->thread()))
            dispatcher->wakeUp();
    }
}

// Once per run: a drill beeps at every card, and the reason does not change.
void CanberraBeeper::warnNoSound(const char *what, int error)
{
    if (m_warned)
        return;
    m_warned = true;
    qCWarning(lcPlatform, "No sound: %s (%s); the toolkit's beep is used instead", what, ca_strerror(error));
}

} // namespace lexiwren
