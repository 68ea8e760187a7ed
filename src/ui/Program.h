// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts: the application's names and Japanese toolkit
// texts, the real outside world, the speaker, the window and, once the
// window is up, the desktop's media controls. main() and the start-up
// benchmark both start it this way.
#pragma once

#include "maker/window/DraftingEngine.h"
#include "platform/SpeechDispatcherSpeaker.h"
#include "platform/SystemPlatform.h"
#include "ui/Form1.h"

#include <QPointer>

#include <memory>

namespace lexiwren {

class MprisPlayer;
namespace maker {
class MakerWindow;
}

// Names the application (its settings go to ~/.config/Lexiwren/) and loads
// Qt's Japanese texts; once, after the QApplication is made.
void setUpApplication();

class Program
{
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Form1 &window() { return m_window; }
    // Shows the window; the media controls join the session bus right after,
    // so the first frame waits for nothing.
    void show();
    // The question-file maker, opened from the extras menu: made on first
    // use, raised when already open, destroyed (with its dictionaries) when
    // closed. Null while closed.
    maker::MakerWindow *openQuestionFileMaker();
    maker::MakerWindow *questionFileMaker() const;
    // What the maker drafts with: the dictionaries unless a test says otherwise.
    void setQuestionFileEngine(maker::EngineLoader loader) { m_makerEngine = std::move(loader); }

private:
    void showSavedFiles(const QStringList &names);

    SystemPlatform m_system;
    // Reaches speech-dispatcher only when a word is first to be said.
    SpeechDispatcherSpeaker m_speaker;
    Form1 m_window;
    std::unique_ptr<MprisPlayer> m_mediaControls;
    QPointer<maker::MakerWindow> m_maker;
    maker::EngineLoader m_makerEngine = maker::dictionaryEngine();
};

} // namespace lexiwren
