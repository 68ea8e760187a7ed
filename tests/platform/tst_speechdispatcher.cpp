// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real speaker against a private speech-dispatcher whose output module
// only writes down what it is given: "say WORD" when a word starts, "end
// WORD" when it has been said, and "gone WORD" when its process is gone,
// said or stopped. A word that starts with "long" takes a minute, so that
// only a cancel ends it early; any other takes 0.3 s.
#include "platform/SpeechDispatcherSpeaker.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

// speech-dispatcher lets a word whose module has only just started run on
// past a cancel; the learner's window never closes that fast after a word.
constexpr int StartedMs = 500;

QStringList platformWarnings;
QtMessageHandler previousHandler = nullptr;

void keepPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "lexiwren.platform") == 0)
        platformWarnings.append(text);
    previousHandler(type, context, text);
}

} // namespace

class TestSpeechDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void saysTheWordAndHearsItsEnd();
    void cancelStopsTheWord();
    void saysAgainAfterTheServiceRestarts();
    void leavingMidWordStopsIt_data();
    void leavingMidWordStopsIt();

private:
    bool startService();
    void stopService();
    QStringList record() const;
    bool recorded(const QString &line) const { return record().contains(line); }

    QTemporaryDir m_dir;
    QString m_executable;
    QProcess m_service;
};

void TestSpeechDispatcher::initTestCase()
{
    m_executable = QStandardPaths::findExecutable(u"speech-dispatcher"_s);
    if (m_executable.isEmpty())
        QSKIP("speech-dispatcher is not installed (Debian package speech-dispatcher): no service to speak to");
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(u"conf/modules"_s));
    QVERIFY(QDir(m_dir.path()).mkpath(u"log"_s));

    const QString spoken = m_dir.filePath(u"spoken.txt"_s);
    QFile conf(m_dir.filePath(u"conf/speechd.conf"_s));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("AudioOutputMethod \"libao\"\n"
                              "AddModule \"recorder\" \"sd_generic\" \"recorder.conf\"\n"
                              "DefaultModule recorder\n"
                              "LogDir \"%1\"\n")
                   .arg(m_dir.filePath(u"log"_s))
                   .toUtf8());
    conf.close();
    // The module substitutes $DATA; the watcher runs in a session of its own,
    // so that the stop, which kills the module's process group, leaves it to
    // write down that the word is gone.
    QFile module(m_dir.filePath(u"conf/modules/recorder.conf"_s));
    QVERIFY(module.open(QIODevice::WriteOnly));
    module.write(QStringLiteral(R"(GenericExecuteSynth "w=\"$DATA\"; echo \"say $w\" >> %1; p=$$; )"
                                R"(setsid sh -c \"while kill -0 $p 2>/dev/null; do sleep 0.02; done; )"
                                R"(echo 'gone $w' >> %1\" & )"
                                R"(case \"$w\" in long*) sleep 60;; *) sleep 0.3;; esac; echo \"end $w\" >> %1")"
                                "\n"
                                "AddVoice \"en-US\" \"MALE1\" \"en-us\"\n"
                                "GenericLanguage \"en-US\" \"en-us\" \"utf-8\"\n")
                     .arg(spoken)
                     .toUtf8());
    module.close();

    qputenv("SPEECHD_ADDRESS", "unix_socket:" + m_dir.filePath(u"speechd.sock"_s).toUtf8());
    QVERIFY(startService());
    previousHandler = qInstallMessageHandler(keepPlatformWarnings);
}

void TestSpeechDispatcher::init()
{
    platformWarnings.clear();
}

void TestSpeechDispatcher::cleanupTestCase()
{
    if (previousHandler)
        qInstallMessageHandler(previousHandler);
    stopService();
}

bool TestSpeechDispatcher::startService()
{
    const QString socket = m_dir.filePath(u"speechd.sock"_s);
    QFile::remove(socket);
    m_service.setProgram(m_executable);
    m_service.setArguments({u"-s"_s, u"-t"_s, u"0"_s, u"-C"_s, m_dir.filePath(u"conf"_s), u"-S"_s, socket, u"-P"_s,
                            m_dir.filePath(u"pid"_s), u"-L"_s, m_dir.filePath(u"log"_s)});
    m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The module closes every descriptor it might have before it runs a
    // word's command: a desktop's limit keeps that quick.
    m_service.setChildProcessModifier([] {
        rlimit files{};
        if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur > 1024) {
            files.rlim_cur = 1024;
            setrlimit(RLIMIT_NOFILE, &files);
        }
    });
    m_service.start();
    if (!m_service.waitForStarted())
        return false;
    // It loads its module before it listens: seconds on a busy machine.
    const QDeadlineTimer deadline(60000);
    while (!QFile::exists(socket) && m_service.state() == QProcess::Running && !deadline.hasExpired())
        QTest::qWait(50);
    if (!QFile::exists(socket)) {
        qWarning("speech-dispatcher made no socket; its logs are in %s", qPrintable(m_dir.filePath(u"log"_s)));
        m_dir.setAutoRemove(false);
        return false;
    }
    return true;
}

void TestSpeechDispatcher::stopService()
{
    if (m_service.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_service.processId()), SIGCONT);
    m_service.terminate();
    if (!m_service.waitForFinished(10000)) {
        m_service.kill();
        m_service.waitForFinished();
    }
}

QStringList TestSpeechDispatcher::record() const
{
    QFile file(m_dir.filePath(u"spoken.txt"_s));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void TestSpeechDispatcher::saysTheWordAndHearsItsEnd()
{
    SpeechDispatcherSpeaker speaker;
    speaker.say(u"apple"_s);
    QVERIFY(speaker.isSpeaking());
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"say apple"_s), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 30000);
    QVERIFY2(recorded(u"end apple"_s), qPrintable(record().join(u" | ")));
    QCOMPARE(speaker.unavailableReason(), QString());
}

void TestSpeechDispatcher::cancelStopsTheWord()
{
    SpeechDispatcherSpeaker speaker;
    speaker.say(u"long banana"_s);
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"say long banana"_s), 30000);
    QTest::qWait(StartedMs);
    QVERIFY(speaker.isSpeaking());
    speaker.cancel();
    QVERIFY(!speaker.isSpeaking());
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"gone long banana"_s), 30000);
    QVERIFY2(!recorded(u"end long banana"_s), "the word was said to its end, not stopped");
    // The next word still comes through.
    speaker.say(u"cherry"_s);
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"end cherry"_s), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 30000);
}

void TestSpeechDispatcher::saysAgainAfterTheServiceRestarts()
{
    SpeechDispatcherSpeaker speaker;
    speaker.say(u"grape"_s);
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"end grape"_s), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 30000);

    stopService();
    QVERIFY(startService());
    speaker.say(u"melon"_s);
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"end melon"_s), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!speaker.isSpeaking(), 30000);
    QCOMPARE(speaker.unavailableReason(), QString());
    QVERIFY2(platformWarnings.isEmpty(), qPrintable(platformWarnings.join(u" | ")));
}

void TestSpeechDispatcher::leavingMidWordStopsIt_data()
{
    QTest::addColumn<bool>("answering");
    QTest::newRow("service answers") << true;
    // As one with no sound server does after its first word: the speaker's
    // thread then waits in a call that never returns by itself.
    QTest::newRow("service stopped answering") << false;
}

void TestSpeechDispatcher::leavingMidWordStopsIt()
{
    QFETCH(bool, answering);
    const QString word = answering ? u"long lemon"_s : u"long lime"_s;
    {
        SpeechDispatcherSpeaker speaker;
        speaker.say(word);
        QTRY_VERIFY_WITH_TIMEOUT(recorded(u"say "_s + word), 30000);
        QTest::qWait(StartedMs);
        if (!answering) {
            ::kill(pid_t(m_service.processId()), SIGSTOP);
            speaker.say(u"never said"_s);
            QTest::qWait(100); // the speaker's thread is now waiting for the service
        }
    }
    ::kill(pid_t(m_service.processId()), SIGCONT);
    QVERIFY2(platformWarnings.isEmpty(), qPrintable(platformWarnings.join(u" | ")));
    QTRY_VERIFY_WITH_TIMEOUT(recorded(u"gone "_s + word), 30000);
    QVERIFY2(!recorded(u"end "_s + word), "the word went on after the speaker had gone");
}

QTEST_GUILESS_MAIN(TestSpeechDispatcher)
#include "tst_speechdispatcher.moc"
