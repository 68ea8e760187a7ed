// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lexiwren: a hands-free English vocabulary drill.
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"
#include "ui/ToolkitTexts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiwren"));
    QApplication::setDesktopFileName(QStringLiteral("org.lexiwren.Lexiwren"));
    lexiwren::installJapaneseToolkitTexts();

    lexiwren::SystemPlatform system;
    lexiwren::Form1 window(system.platform());
    window.show();
    return QApplication::exec();
}
