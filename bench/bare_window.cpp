// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What start-up costs Qt alone: a window the size of the program's, holding
// one label, ending at its first frame like startup_probe.
#include "common/FirstFrame.h"
#include "ui/FormLayout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    lexiwren::bench::noteStartupStep("main");
    QApplication app(argc, argv);
    lexiwren::bench::noteStartupStep("app");
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(lexiwren::ClientSize);
    QLabel label(QStringLiteral("Lexiwren"), &window);
    label.move(20, 20);
    lexiwren::bench::noteStartupStep("built");
    lexiwren::bench::FirstFrame firstFrame(&window);
    window.show();
    lexiwren::bench::noteStartupStep("shown");
    return QApplication::exec();
}
