// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MprisPlayer.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>

namespace lexiwren {

namespace {

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString BaseName = QStringLiteral("org.mpris.MediaPlayer2.lexiwren");

QString statusName(MprisPlayer::Status status)
{
    switch (status) {
    case MprisPlayer::Status::Playing:
        return QStringLiteral("Playing");
    case MprisPlayer::Status::Paused:
        return QStringLiteral("Paused");
    case MprisPlayer::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

} // namespace

// org.mpris.MediaPlayer2: who the player is.
class RootAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supported)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supported)
public:
    explicit RootAdaptor(MprisPlayer *player)
        : QDBusAbstractAdaptor(player)
        , m_player(player)
    {
    }

    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Lexiwren"); }
    QString desktopEntry() const { return QStringLiteral("org.lexiwren.Lexiwren"); }
    QStringList supported() const { return {}; }

public slots:
    void Raise() { emit m_player->raiseRequested(); }
    void Quit() { emit m_player->quitRequested(); }

private:
    MprisPlayer *m_player;
};

// org.mpris.MediaPlayer2.Player: the running drill as something that plays.
class PlayerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ one WRITE ignoreDouble)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ one WRITE ignoreDouble)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(bool CanGoNext READ isRunning)
    Q_PROPERTY(bool CanGoPrevious READ no)
    Q_PROPERTY(bool CanPlay READ isRunning)
    Q_PROPERTY(bool CanPause READ isRunning)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)
public:
    explicit PlayerAdaptor(MprisPlayer *player)
        : QDBusAbstractAdaptor(player)
        , m_player(player)
    {
    }

    QString playbackStatus() const { return statusName(m_player->status()); }
    QVariantMap metadata() const { return m_player->metadata(); }
    bool isRunning() const { return m_player->status() != MprisPlayer::Status::Stopped; }
    // A drill has no rate, volume or position of its own to offer.
    double one() const { return 1.0; }
    void ignoreDouble(double) {}
    qlonglong position() const { return 0; }
    bool no() const { return false; }
    bool yes() const { return true; }

public slots:
    void Next() { emit m_player->nextRequested(); }
    void Previous() {}
    void Pause() { emit m_player->pauseRequested(); }
    void PlayPause() { emit m_player->playPauseRequested(); }
    void Stop() { emit m_player->stopRequested(); }
    void Play() { emit m_player->playRequested(); }
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath &, qlonglong) {}
    void OpenUri(const QString &) {}

signals:
    void Seeked(qlonglong);

private:
    MprisPlayer *m_player;
};

MprisPlayer::MprisPlayer(QDBusConnection connection, QObject *parent)
    : QObject(parent)
    , m_connection(std::move(connection))
{
    if (!m_connection.isConnected()) {
        qCDebug(lcPlatform) << "no session bus: no media controls";
        return;
    }
    new RootAdaptor(this);
    new PlayerAdaptor(this);
    if (!m_connection.registerObject(QLatin1StringView(ObjectPath), this)) {
        qCWarning(lcPlatform) << "media controls: could not register" << ObjectPath << "on the session bus";
        return;
    }
    // A second copy of the program takes a name of its own, as players do.
    const QString instanceName = BaseName + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
    for (const QString &name : {BaseName, instanceName}) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
            m_connection.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                      QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            m_serviceName = name;
            m_registered = true;
            return;
        }
    }
    m_connection.unregisterObject(QLatin1StringView(ObjectPath));
    qCWarning(lcPlatform) << "media controls: the session bus gave no name";
}

MprisPlayer::~MprisPlayer()
{
    if (!m_registered)
        return;
    m_connection.unregisterService(m_serviceName);
    m_connection.unregisterObject(QLatin1StringView(ObjectPath));
}

void MprisPlayer::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    if (!m_registered)
        return;
    const PlayerAdaptor &player = *findChild<PlayerAdaptor *>();
    notifyPlayerChanged({{QStringLiteral("PlaybackStatus"), player.playbackStatus()},
                         {QStringLiteral("CanGoNext"), player.isRunning()},
                         {QStringLiteral("CanPlay"), player.isRunning()},
                         {QStringLiteral("CanPause"), player.isRunning()}});
}

void MprisPlayer::setTrack(const Track &track)
{
    m_track = track;
    if (m_registered)
        notifyPlayerChanged({{QStringLiteral("Metadata"), findChild<PlayerAdaptor *>()->metadata()}});
}

QVariantMap MprisPlayer::metadata() const
{
    if (m_track.number <= 0)
        return {{QStringLiteral("mpris:trackid"),
                 QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    QVariantMap data{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/lexiwren/Lexiwren/card/%1").arg(m_track.number)))},
        {QStringLiteral("xesam:trackNumber"), int(m_track.number)},
        {QStringLiteral("xesam:title"), m_track.title},
    };
    if (!m_track.artist.isEmpty())
        data.insert(QStringLiteral("xesam:artist"), QStringList{m_track.artist});
    return data;
}

// Media panels follow the player by this signal rather than by asking. The
// values come from the adaptor's own getters, as a Get would answer.
void MprisPlayer::notifyPlayerChanged(const QVariantMap &changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1StringView(ObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    m_connection.send(signal);
}

} // namespace lexiwren

#include "MprisPlayer.moc"
