// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up as src/main.cpp does it, ending at the first frame:
// prints when that was painted (see common/FirstFrame.h) and exits.
#include "common/FirstFrame.h"
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    lexiwren::bench::noteStartupStep("main");
    QApplication app(argc, argv);
    lexiwren::bench::noteStartupStep("app");
    QApplication::setApplicationName(QStringLiteral("Lexiwren"));
    QApplication::setDesktopFileName(QStringLiteral("org.lexiwren.Lexiwren"));

    lexiwren::SystemPlatform system;
    lexiwren::Form1 window(system.platform());
    lexiwren::bench::noteStartupStep("built");
    lexiwren::bench::FirstFrame firstFrame(&window);
    window.show();
    lexiwren::bench::noteStartupStep("shown");
    return QApplication::exec();
}
