// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The speaker of the desktop: speech-dispatcher, the service that screen
// readers use, with the learner's own voice, rate and output module. All
// talk with the service happens on a thread of its own, so that starting
// the service or a stalled socket never holds up the window.
#pragma once

#include "Speaker.h"

#include <QObject>

class QThread;

namespace lexiwren {

class SpeechConnection;

class SpeechDispatcherSpeaker final : public QObject, public Speaker
{
    Q_OBJECT
public:
    explicit SpeechDispatcherSpeaker(QObject *parent = nullptr);
    ~SpeechDispatcherSpeaker() override;

    void say(const QString &text) override;
    void cancel() override;
    bool isSpeaking() const override { return m_speaking; }
    QString unavailableReason() const override { return m_unavailable; }

signals:
    // To the connection's thread.
    void sayRequested(quint64 utterance, const QString &text);
    void cancelRequested();

private:
    // How long the destructor lets the service answer the cancel before it
    // cuts the connection, and how long the thread may take after that.
    static constexpr int AnswerMs = 150;
    static constexpr int CutOffMs = 100;

    void start();
    void ended(quint64 utterance);
    void failed(const QString &reason);

    QThread *m_thread = nullptr;
    SpeechConnection *m_connection = nullptr; // lives on m_thread
    quint64 m_utterance = 0;
    bool m_speaking = false;
    QString m_unavailable;
};

} // namespace lexiwren
