// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's bell on a machine where it cannot sound.
#include "platform/CanberraBeeper.h"

#include <QApplication>
#include <QTest>

using namespace lexiwren;

namespace {

struct LoggedMessage
{
    QtMsgType type;
    QString category;
    QString text;
};
QList<LoggedMessage> logged;

void keepMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    logged.append({type, QString::fromLatin1(context.category), text});
}

} // namespace

class TestCanberraBeeper : public QObject
{
    Q_OBJECT

private slots:
    void warnsOnceWhenNoSoundCanPlay();
};

void TestCanberraBeeper::warnsOnceWhenNoSoundCanPlay()
{
    // libcanberra picks its backend by this name; there is none by it.
    qputenv("CANBERRA_DRIVER", "lexiwren-no-such-driver");
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    {
        CanberraBeeper beeper;
        for (int card = 0; card < 5; ++card) {
            beeper.beep();
            // The toolkit's beep gives no end to wait for.
            QVERIFY(!beeper.isSounding());
        }
    }
    qInstallMessageHandler(previous);
    qunsetenv("CANBERRA_DRIVER");

    QCOMPARE(logged.size(), 1);
    QCOMPARE(logged[0].type, QtWarningMsg);
    QCOMPARE(logged[0].category, QStringLiteral("lexiwren.platform"));
    QVERIFY2(logged[0].text.startsWith(QStringLiteral("No sound: cannot open a libcanberra context")),
             qPrintable(logged[0].text));
}

QTEST_MAIN(TestCanberraBeeper)
#include "tst_canberrabeeper.moc"
