// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CanberraBeeper.h"

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
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = true;
        return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Lexiwren", CA_PROP_APPLICATION_ID,
                            "org.lexiwren.Lexiwren", nullptr);
    if (ca_context_open(m_context) != CA_SUCCESS) {
        ca_context_destroy(m_context);
        m_context = nullptr;
        m_unavailable = true;
        return false;
    }
    return true;
}

void CanberraBeeper::beep()
{
    if (ensureContext()
        && ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Next card", nullptr)
               == CA_SUCCESS)
        return;
    QApplication::beep();
}

} // namespace lexiwren
