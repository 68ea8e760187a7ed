// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program: from any handler, at any depth of nested waits.
#pragma once

namespace lexiwren {

class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    // Asks the program to end. Every wait that is running returns at once and
    // no drill takes another step; the process then exits with status 0.
    virtual void endProgram() = 0;
    virtual bool isEnding() const = 0;
};

} // namespace lexiwren
