// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeechDispatcherSpeaker.h"

#include "Logging.h"

#include <QDeadlineTimer>
#include <QThread>

#include <libspeechd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <mutex>

#include <pthread.h>
#include <sys/socket.h>

namespace lexiwren {

namespace {

// The service's end and cancel notices carry no context of ours; the
// program has one connection at most.
std::atomic<SpeechConnection *> openConnection{nullptr};

void onSpeechDone(size_t messageId, size_t clientId, SPDNotificationType type);

} // namespace

// The connection to speech-dispatcher, on the speaker's own thread.
class SpeechConnection : public QObject
{
    Q_OBJECT
public:
    SpeechConnection()
    {
        connect(this, &SpeechConnection::notified, this, &SpeechConnection::messageDone, Qt::QueuedConnection);
    }
    // On the connection's thread as it ends: the word is cut off before the
    // connection closes, or the service would finish it after the program.
    ~SpeechConnection() override { close(true); }

    void say(quint64 utterance, const QString &text)
    {
        m_utterance = utterance;
        // A connection that broke (the service restarted, say) is opened again once.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (m_leaving || !open())
                return;
            spd_cancel(m_spd);
            const int messageId = spd_say(m_spd, SPD_TEXT, text.toUtf8().constData());
            if (messageId >= 0) {
                qCDebug(lcPlatform) << "speech: said" << text << "as message" << messageId;
                m_messageId = messageId;
                return;
            }
            close(false);
        }
        if (!m_leaving)
            fail(QStringLiteral("speech-dispatcher did not take the text"));
    }

    void cancel()
    {
        if (m_spd)
            spd_cancel(m_spd);
    }

    void messageDone(size_t messageId)
    {
        if (m_messageId >= 0 && messageId == size_t(m_messageId)) {
            qCDebug(lcPlatform) << "speech: message" << messageId << "ended";
            m_messageId = -1; // nothing left to cut off at the end
            emit ended(m_utterance);
        }
    }

    // From the speaker's thread, as it goes: no new connection is opened, and
    // a call stuck on a service that stopped answering (one with no sound
    // server never ends a word, and then answers nothing more) is cut off,
    // so the thread can end.
    void leave() { m_leaving = true; }
    // False when there is no socket to cut: the thread then waits in opening
    // the connection, where nothing can end the wait.
    bool cutOff()
    {
        const std::lock_guard lock(m_socketMutex);
        if (m_socket < 0)
            return false;
        ::shutdown(m_socket, SHUT_RDWR);
        return true;
    }

signals:
    // Named without parameters: moc writes their definitions into this file.
    void ended(quint64);
    void failed(const QString &);
    // From the library's own thread, queued to this object's.
    void notified(size_t);

private:
    bool open()
    {
        if (m_spd)
            return true;
        if (m_failed)
            return false;
        char *error = nullptr;
        // Started by the library when it is installed but not running.
        m_spd = spd_open2("lexiwren", "words", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        if (!m_spd) {
            fail(QString::fromUtf8(error ? error : "no connection"));
            std::free(error);
            return false;
        }
        {
            const std::lock_guard lock(m_socketMutex);
            m_socket = m_spd->socket;
        }
        openConnection = this;
        m_spd->callback_end = onSpeechDone;
        m_spd->callback_cancel = onSpeechDone;
        spd_set_notification_on(m_spd, SPD_END);
        spd_set_notification_on(m_spd, SPD_CANCEL);
        // An American English voice by language, whatever the learner's
        // default language; voice type, rate and module stay the learner's.
        spd_set_language(m_spd, "en-US");
        qCDebug(lcPlatform) << "speech: connected to speech-dispatcher";
        return true;
    }

    void close(bool cancelWord)
    {
        if (!m_spd)
            return;
        // The library may deliver a notice while it closes.
        openConnection = nullptr;
        m_spd->callback_end = nullptr;
        m_spd->callback_cancel = nullptr;
        if (cancelWord && m_messageId >= 0)
            spd_cancel(m_spd);
        {
            // Before the descriptor is closed, so that cutOff() never reaches
            // another file that reuses its number.
            const std::lock_guard lock(m_socketMutex);
            m_socket = -1;
        }
        spd_close(m_spd); // joins the thread that delivers the notices
        m_spd = nullptr;
        m_messageId = -1;
    }

    void fail(const QString &reason)
    {
        m_failed = true;
        emit failed(reason);
    }

    SPDConnection *m_spd = nullptr;
    std::atomic<bool> m_leaving{false};
    std::mutex m_socketMutex;
    int m_socket = -1;
    bool m_failed = false;
    quint64 m_utterance = 0;
    int m_messageId = -1;
};

namespace {

void onSpeechDone(size_t messageId, size_t, SPDNotificationType)
{
    if (SpeechConnection *connection = openConnection.load())
        emit connection->notified(messageId);
}

} // namespace

SpeechDispatcherSpeaker::SpeechDispatcherSpeaker(QObject *parent)
    : QObject(parent)
{
}

SpeechDispatcherSpeaker::~SpeechDispatcherSpeaker()
{
    if (!m_thread)
        return;
    m_connection->leave();
    m_connection->deleteLater(); // cuts the word off and closes, on its own thread as the thread ends
    m_thread->quit();
    // The window is gone by now: a service that stopped answering (one with
    // no sound server does after its first word) must not keep the program
    // from ending. Its socket is shut, which ends the call the thread waits
    // in. A thread still opening the connection (to a service that started
    // and hangs, or is being started) is left to the process's exit.
    if (!m_thread->wait(QDeadlineTimer(AnswerMs))) {
        if (!m_connection->cutOff()) {
            qCDebug(lcPlatform) << "speech: speech-dispatcher does not answer the connection; leaving it";
            return;
        }
        qCDebug(lcPlatform) << "speech: speech-dispatcher does not answer; cutting its connection";
        if (!m_thread->wait(QDeadlineTimer(CutOffMs))) {
            qCWarning(lcPlatform) << "speech-dispatcher did not let go in time; leaving its connection open";
            return;
        }
    }
    delete m_thread;
}

void SpeechDispatcherSpeaker::start()
{
    if (m_thread)
        return;
    m_thread = new QThread; // no parent: see the destructor
    m_thread->setObjectName(QStringLiteral("speech"));
    // libspeechd writes to its socket with write(): a service that went away
    // must fail the call, not end the program with SIGPIPE. The library's
    // own thread inherits the mask.
    connect(
        m_thread, &QThread::started, m_thread,
        [] {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
        },
        Qt::DirectConnection);
    m_connection = new SpeechConnection;
    m_connection->moveToThread(m_thread);
    connect(m_connection, &SpeechConnection::ended, this, &SpeechDispatcherSpeaker::ended);
    connect(m_connection, &SpeechConnection::failed, this, &SpeechDispatcherSpeaker::failed);
    connect(this, &SpeechDispatcherSpeaker::sayRequested, m_connection, &SpeechConnection::say);
    connect(this, &SpeechDispatcherSpeaker::cancelRequested, m_connection, &SpeechConnection::cancel);
    m_thread->start();
}

void SpeechDispatcherSpeaker::say(const QString &text)
{
    if (!m_unavailable.isEmpty())
        return;
    start();
    m_speaking = true;
    emit sayRequested(++m_utterance, text);
}

void SpeechDispatcherSpeaker::cancel()
{
    if (!m_speaking)
        return;
    m_speaking = false;
    ++m_utterance; // a late end of the cancelled word changes nothing
    emit cancelRequested();
}

void SpeechDispatcherSpeaker::ended(quint64 utterance)
{
    if (utterance == m_utterance)
        m_speaking = false;
}

void SpeechDispatcherSpeaker::failed(const QString &reason)
{
    qCWarning(lcPlatform) << "no speech:" << reason;
    m_speaking = false;
    m_unavailable = reason;
}

} // namespace lexiwren

#include "SpeechDispatcherSpeaker.moc"
