// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as a media player on the session bus (MPRIS), so a headset's
// buttons, the desktop's media panel and playerctl drive a drill even while
// another window has the focus. Others tell it what to report; it signals
// what it is asked to do.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace lexiwren {

class MprisPlayer : public QObject
{
    Q_OBJECT
public:
    enum class Status { Stopped, Playing, Paused };
    struct Track
    {
        qint16 number = 0; // 0: no card yet
        QString title;
        QString artist; // none when empty
    };

    static constexpr const char *ObjectPath = "/org/mpris/MediaPlayer2";

    // Takes the name org.mpris.MediaPlayer2.lexiwren, or a name of its own
    // when another copy of the program holds that one.
    explicit MprisPlayer(QDBusConnection connection, QObject *parent = nullptr);
    ~MprisPlayer() override;

    // False without a bus, or when the bus refused the object or the name.
    bool isRegistered() const { return m_registered; }
    QString serviceName() const { return m_serviceName; }

    Status status() const { return m_status; }
    void setStatus(Status status);
    void setTrack(const Track &track);

signals:
    void playPauseRequested();
    void playRequested();
    void pauseRequested();
    void nextRequested();
    void stopRequested();
    void raiseRequested();
    void quitRequested();

private:
    void notifyPlayerChanged(const QVariantMap &changed);
    QVariantMap metadata() const;
    friend class PlayerAdaptor;

    QDBusConnection m_connection;
    QString m_serviceName;
    bool m_registered = false;
    Status m_status = Status::Stopped;
    Track m_track;
};

} // namespace lexiwren
