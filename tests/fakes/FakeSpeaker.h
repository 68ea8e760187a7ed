// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A speaker that notes what it is asked; the test decides when a word ends.
#pragma once

#include "platform/Speaker.h"

#include <QStringList>

#include <functional>

namespace lexiwren {

class FakeSpeaker final : public Speaker
{
public:
    void say(const QString &text) override
    {
        log << QStringLiteral("say ") + text;
        speaking = unavailable.isEmpty();
        if (onSay)
            onSay(text);
    }
    // Noted only when it cuts a word off, as that is what a learner hears.
    void cancel() override
    {
        if (speaking)
            log << QStringLiteral("cancel");
        speaking = false;
    }
    bool isSpeaking() const override { return speaking; }
    QString unavailableReason() const override { return unavailable; }

    QStringList log;
    std::function<void(const QString &text)> onSay;
    bool speaking = false;
    QString unavailable;
};

} // namespace lexiwren
