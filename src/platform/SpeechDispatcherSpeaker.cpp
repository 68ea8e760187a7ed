// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpeechDispatcherSpeaker.h"

#include "Logging.h"

#include <QDeadlineTimer>
#include <QThread>

#include <libspeechd.h>

#include <atomic>
#include <cstdlib>

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
    ~SpeechConnection() override { close(); }

    void say(quint64 utterance, const QString &text)
    {
        m_utterance = utterance;
        // A connection that broke (the service restarted, say) is opened again once.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!open())
                return;
            spd_cancel(m_spd);
            const int messageId = spd_say(m_spd, SPD_TEXT, text.toUtf8().constData());
            if (messageId >= 0) {
                m_messageId = messageId;
                return;
            }
            close();
        }
        fail(QStringLiteral("speech-dispatcher did not take the text"));
    }

    void cancel()
    {
        if (m_spd)
            spd_cancel(m_spd);
    }

    void messageDone(size_t messageId)
    {
        if (m_messageId >= 0 && messageId == size_t(m_messageId))
            emit ended(m_utterance);
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
        openConnection = this;
        m_spd->callback_end = onSpeechDone;
        m_spd->callback_cancel = onSpeechDone;
        spd_set_notification_on(m_spd, SPD_END);
        spd_set_notification_on(m_spd, SPD_CANCEL);
        // An American English voice by language, whatever the learner's
        // default language; voice type, rate and module stay the learner's.
        spd_set_language(m_spd, "en-US");
        return true;
    }

    void close()
    {
        if (!m_spd)
            return;
        openConnection = nullptr;
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
    cancel();                    // the service would otherwise finish the word after the program
    m_connection->deleteLater(); // closes on its own thread as the thread ends
    m_thread->quit();
    // The window is gone by now; a service that hangs must not keep the
    // program from ending, so its thread is then left to the process's exit.
    if (!m_thread->wait(QDeadlineTimer(500))) {
        qCWarning(lcPlatform) << "speech-dispatcher did not let go in time; leaving its connection open";
        return;
    }
    delete m_thread;
}

void SpeechDispatcherSpeaker::start()
{
    if (m_thread)
        return;
    m_thread = new QThread; // no parent: see the destructor
    m_thread->setObjectName(QStringLiteral("speech"));
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
