// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A program end that only raises its flag.
#pragma once

#include "platform/ProgramEnd.h"

namespace lexiwren {

class FakeProgramEnd final : public ProgramEnd
{
public:
    void endProgram() override
    {
        m_ending = true;
        ++m_endCalls;
    }
    bool isEnding() const override { return m_ending; }

    int endCalls() const { return m_endCalls; }

private:
    bool m_ending = false;
    int m_endCalls = 0;
};

} // namespace lexiwren
