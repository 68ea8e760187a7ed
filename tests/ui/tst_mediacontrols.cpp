// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's media controls driving a drill, called over a private
// session bus as a media panel would call them.
#include "FormFixture.h"
#include "platform/MprisPlayer.h"
#include "ui/MediaControls.h"

#include <QCheckBox>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>

using namespace lexiwren;
using namespace Qt::StringLiterals;

// What a media panel hears without asking. QtDBus connects by signature only.
class ChangeListener : public QObject
{
    Q_OBJECT
public slots:
    void changed(const QString &, const QVariantMap &properties, const QStringList &)
    {
        if (properties.contains(u"PlaybackStatus"_s))
            statuses << properties.value(u"PlaybackStatus"_s).toString();
    }

public:
    QStringList statuses;
};

class TestMediaControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void mediaKeysDriveADrill();
    void panelShowsOnlyWhatTheWindowShows_data();
    void panelShowsOnlyWhatTheWindowShows();

private:
    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments = {});
    QVariant property(const QString &name);

    QProcess m_bus;
    QString m_address;
};

void TestMediaControls::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(u"dbus-daemon"_s);
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed (Debian package dbus): no private session bus to test on");
    m_bus.start(daemon, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
    QVERIFY2(m_bus.waitForReadyRead(5000), "dbus-daemon printed no address");
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestMediaControls::cleanupTestCase()
{
    m_bus.kill();
    m_bus.waitForFinished();
}

// A call from a connection of its own; the answer needs this thread's event
// loop, so it is awaited with events running, never blocked on.
QDBusMessage TestMediaControls::call(const QString &interface, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        u"org.mpris.MediaPlayer2.lexiwren"_s, QLatin1StringView(MprisPlayer::ObjectPath), interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = QDBusConnection::connectToBus(m_address, u"client"_s).asyncCall(message);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 5000))
        return {};
    return pending.reply();
}

QVariant TestMediaControls::property(const QString &name)
{
    const QDBusMessage reply = call(u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
                                    {u"org.mpris.MediaPlayer2.Player"_s, name});
    return reply.arguments().isEmpty() ? QVariant() : reply.arguments().first().value<QDBusVariant>().variant();
}

void TestMediaControls::mediaKeysDriveADrill()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded({u"apple アップル 0 りんご"_s, u"pear ペア 0 なし"_s, u"plum プラム 0 すもも"_s});
    MprisPlayer player(QDBusConnection::connectToBus(m_address, u"player"_s));
    QVERIFY(player.isRegistered());
    connectMediaControls(player, form);
    QCOMPARE(property(u"PlaybackStatus"_s).toString(), u"Stopped"_s);
    call(u"org.mpris.MediaPlayer2.Player"_s, u"Play"_s); // nothing to play yet
    QCOMPARE(form.drillControl().state(), DrillControl::State::Stopped);

    ChangeListener listener;
    QVERIFY(QDBusConnection::connectToBus(m_address, u"client"_s)
                .connect(player.serviceName(), QLatin1StringView(MprisPlayer::ObjectPath),
                         u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s, &listener,
                         SLOT(changed(QString, QVariantMap, QStringList))));

    QStringList seen;
    int waits = 0;
    fixture.fakes.runEventsAndSleep([&] {
        ++waits;
        const QVariantMap metadata = qdbus_cast<QVariantMap>(property(u"Metadata"_s));
        seen << property(u"PlaybackStatus"_s).toString() + u' ' + metadata.value(u"xesam:title"_s).toString() + u' '
                    + metadata.value(u"xesam:artist"_s).toStringList().join(u',') + u' '
                    + metadata.value(u"mpris:trackid"_s).value<QDBusObjectPath>().path();
        if (waits == 1) {
            call(u"org.mpris.MediaPlayer2.Player"_s, u"PlayPause"_s);
            seen << property(u"PlaybackStatus"_s).toString();
        } else if (waits == 2) {
            call(u"org.mpris.MediaPlayer2.Player"_s, u"Play"_s);
            call(u"org.mpris.MediaPlayer2.Player"_s, u"Next"_s);
        } else {
            call(u"org.mpris.MediaPlayer2.Player"_s, u"Stop"_s);
        }
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    // Answers are off: the panel shows the prompt alone, as the window does.
    QCOMPARE(seen, (QStringList{u"Playing apple  /org/lexiwren/Lexiwren/card/1"_s, u"Paused"_s,
                                u"Paused apple  /org/lexiwren/Lexiwren/card/1"_s,
                                u"Playing pear  /org/lexiwren/Lexiwren/card/2"_s}));
    QCOMPARE(property(u"PlaybackStatus"_s).toString(), u"Stopped"_s);
    QTRY_COMPARE(listener.statuses, (QStringList{u"Playing"_s, u"Paused"_s, u"Playing"_s, u"Stopped"_s}));
    QVERIFY(form.Command6->isEnabled());
    QCOMPARE(fixture.fakes.end.endCalls(), 0);
}

void TestMediaControls::panelShowsOnlyWhatTheWindowShows_data()
{
    QTest::addColumn<bool>("meaningFirst");
    QTest::addColumn<bool>("answersOn");
    QTest::addColumn<QStringList>("expected"); // at each wait: number, title, artist ("-": none)

    QTest::newRow("english first, answers on")
        << false << true << QStringList{u"1 apple -"_s, u"1 apple りんご"_s, u"2 pear -"_s, u"2 pear なし"_s};
    QTest::newRow("english first, answers off") << false << false << QStringList{u"1 apple -"_s, u"2 pear -"_s};
    QTest::newRow("meaning first, answers on")
        << true << true << QStringList{u"1 りんご -"_s, u"1 apple りんご"_s, u"2 なし -"_s, u"2 pear なし"_s};
    QTest::newRow("meaning first, answers off") << true << false << QStringList{u"1 りんご -"_s, u"2 なし -"_s};
}

// A media panel asking during each prompt and answer sees no more of the
// card than the window shows then.
void TestMediaControls::panelShowsOnlyWhatTheWindowShows()
{
    QFETCH(bool, meaningFirst);
    QFETCH(bool, answersOn);
    QFETCH(QStringList, expected);
    FormFixture fixture;
    Form1 &form = fixture.loaded({u"apple アップル 0 りんご"_s, u"pear ペア 0 なし"_s});
    form.Check1->setChecked(answersOn);
    MprisPlayer player(QDBusConnection::connectToBus(m_address, u"player"_s));
    QVERIFY(player.isRegistered());
    connectMediaControls(player, form);

    QStringList seen;
    fixture.fakes.runEventsAndSleep([&] {
        const QVariantMap metadata = qdbus_cast<QVariantMap>(property(u"Metadata"_s));
        const QVariant artist = metadata.value(u"xesam:artist"_s);
        seen << u"%1 %2 %3"_s.arg(metadata.value(u"xesam:trackNumber"_s).toInt())
                    .arg(metadata.value(u"xesam:title"_s).toString(),
                         artist.isValid() ? artist.toStringList().join(u',') : u"-"_s);
    });
    QTest::mouseClick(meaningFirst ? form.Command3 : form.Command1, Qt::LeftButton);
    QCOMPARE(seen, expected);
}

QTEST_MAIN(TestMediaControls)
#include "tst_mediacontrols.moc"
