// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lexiwren: a hands-free English vocabulary drill.
#include "maker/MakeCommand.h"
#include "ui/DisplayScale.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Making a question file needs no display, so it never makes a QApplication.
    if (lexiwren::maker::isMakeCommand(argc, argv))
        return lexiwren::maker::makeCommandMain(argc, argv);
    lexiwren::scaleBeforeApplication();
    QApplication app(argc, argv);
    lexiwren::setUpApplication();
    if (lexiwren::restartedForScreen())
        return 0;
    lexiwren::Program program;
    program.show();
    return QApplication::exec();
}
