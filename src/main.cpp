// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lexiwren: a hands-free English vocabulary drill.
#include "platform/MprisPlayer.h"
#include "platform/SpeechDispatcherSpeaker.h"
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"
#include "ui/MediaControls.h"
#include "ui/ToolkitTexts.h"

#include <QApplication>
#include <QTimer>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexiwren"));
    // The extras' switches go to ~/.config/Lexiwren/Lexiwren.conf.
    QApplication::setOrganizationName(QStringLiteral("Lexiwren"));
    QApplication::setDesktopFileName(QStringLiteral("org.lexiwren.Lexiwren"));
    lexiwren::installJapaneseToolkitTexts();

    lexiwren::SystemPlatform system;
    // Reaches speech-dispatcher only when a word is first to be said.
    lexiwren::SpeechDispatcherSpeaker speaker;
    lexiwren::Form1 window(system.platform());
    window.setSpeaker(&speaker);
    window.show();

    // On the session bus once the window is up, so the first frame waits for nothing.
    std::unique_ptr<lexiwren::MprisPlayer> mediaControls;
    QTimer::singleShot(0, &window, [&] {
        mediaControls = std::make_unique<lexiwren::MprisPlayer>(QDBusConnection::sessionBus());
        if (mediaControls->isRegistered())
            lexiwren::connectMediaControls(*mediaControls, window);
    });
    return QApplication::exec();
}
