// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanberraBeeper.h"

#include "Logging.h"

#include <QApplication>

#include <canberra.h>

namespace lexiwren {

CanberraBeeper::CanberraBeeper() = default;

CanberraBeeper::~CanberraBeeper()
{
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
        const int played = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                                           "Next card", nullptr);
        if (played == CA_SUCCESS)
            return;
        warnNoSound("cannot play the \"bell\" sound", played);
    }
    QApplication::beep();
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
