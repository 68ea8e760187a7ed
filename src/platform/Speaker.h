// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Says a card's English word aloud through the desktop's speech service.
#pragma once

#include <QString>

namespace lexiwren {

class Speaker
{
public:
    virtual ~Speaker() = default;
    // Starts saying text in American English, cutting off whatever is still
    // being said. Returns at once; the service is reached on first use.
    virtual void say(const QString &text) = 0;
    virtual void cancel() = 0;
    // True from say() until the service reports the end, or cancel().
    virtual bool isSpeaking() const = 0;
    // Why nothing can be said, once that is known; empty while speech works.
    virtual QString unavailableReason() const = 0;
};

} // namespace lexiwren
