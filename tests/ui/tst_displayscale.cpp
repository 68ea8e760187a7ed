// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras' window size: the size that fits a screen, the scale factor set
// before the application from what was remembered, and the menu that picks
// a size and offers to start again.
#include "FormFixture.h"
#include "fakes/FakeClock.h"
#include "ui/DisplayScale.h"
#include "ui/Extras.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QSettings beforeApplication()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Lexiwren"_s, u"Lexiwren"_s);
}

} // namespace

class TestDisplayScale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void rememberedSizeIsSetBeforeTheApplication_data();
    void rememberedSizeIsSetBeforeTheApplication();
    void pickingASize_data();
    void pickingASize();
    void theMenuOffersEveryExtra();

private:
    QTemporaryDir m_configuration;
    QByteArray m_ownFactor;
};

void TestDisplayScale::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
    // As the program names itself once made, so that the menu's settings and
    // those read before the application are one file.
    QCoreApplication::setOrganizationName(u"Lexiwren"_s);
    QCoreApplication::setApplicationName(u"Lexiwren"_s);
    m_ownFactor = qgetenv("QT_SCALE_FACTOR");
}

void TestDisplayScale::init()
{
    QSettings().clear();
    beforeApplication().clear();
}

// Leaves the process as it started: no factor of ours, a run started at 100 %.
void TestDisplayScale::cleanup()
{
    beforeApplication().clear();
    qunsetenv("QT_SCALE_FACTOR");
    QCOMPARE(scaleBeforeApplication(), 100);
    if (!m_ownFactor.isEmpty())
        qputenv("QT_SCALE_FACTOR", m_ownFactor);
}

void TestDisplayScale::fitsTheScreen_data()
{
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("fitted");
    // The 100 % window is 1031 × 695, with 16 × 48 allowed for its frame.
    QTest::newRow("200 % on a large screen") << 200 << QSize(2200, 1500) << 200;
    QTest::newRow("200 % on a full HD screen") << 200 << QSize(1920, 1040) << 142;
    QTest::newRow("125 % on a full HD screen") << 125 << QSize(1920, 1040) << 125;
    QTest::newRow("150 %, exactly the room") << 150 << QSize(1563, 1091) << 150;
    QTest::newRow("150 %, a pixel short") << 150 << QSize(1563, 1090) << 149;
    QTest::newRow("narrow, tall screen") << 200 << QSize(1200, 1900) << 114;
    QTest::newRow("a screen smaller than the window") << 150 << QSize(1024, 600) << 100;
    QTest::newRow("100 % anywhere") << 100 << QSize(800, 600) << 100;
}

void TestDisplayScale::fitsTheScreen()
{
    QFETCH(int, wanted);
    QFETCH(QSize, room);
    QFETCH(int, fitted);
    QCOMPARE(fittingPercent(wanted, room), fitted);
}

void TestDisplayScale::rememberedSizeIsSetBeforeTheApplication_data()
{
    QTest::addColumn<QVariant>("wanted");
    QTest::addColumn<QVariant>("fitted");
    QTest::addColumn<QByteArray>("own");
    QTest::addColumn<int>("started");
    QTest::addColumn<QByteArray>("factor");
    const QVariant none;
    QTest::newRow("nothing remembered") << none << none << QByteArray() << 100 << QByteArray();
    QTest::newRow("nothing remembered, the learner's own") << none << none << QByteArray("2") << 100 << QByteArray("2");
    QTest::newRow("100 %") << QVariant(100) << QVariant(100) << QByteArray() << 100 << QByteArray();
    QTest::newRow("150 %, fitted") << QVariant(150) << QVariant(150) << QByteArray() << 150 << QByteArray("1.5");
    QTest::newRow("200 %, fitted at 142 %")
        << QVariant(200) << QVariant(142) << QByteArray() << 142 << QByteArray("1.42");
    QTest::newRow("150 %, not yet checked") << QVariant(150) << none << QByteArray() << 150 << QByteArray("1.5");
    QTest::newRow("125 %, the learner's 2")
        << QVariant(125) << QVariant(125) << QByteArray("2") << 125 << QByteArray("2.5");
    QTest::newRow("200 %, the learner's own not a number")
        << QVariant(200) << QVariant(200) << QByteArray("big") << 200 << QByteArray("2");
    QTest::newRow("an unknown size") << QVariant(175) << QVariant(175) << QByteArray() << 100 << QByteArray();
    QTest::newRow("a fit above the size")
        << QVariant(125) << QVariant(200) << QByteArray() << 125 << QByteArray("1.25");
}

void TestDisplayScale::rememberedSizeIsSetBeforeTheApplication()
{
    QFETCH(QVariant, wanted);
    QFETCH(QVariant, fitted);
    QFETCH(QByteArray, own);
    QFETCH(int, started);
    QFETCH(QByteArray, factor);
    {
        QSettings settings = beforeApplication();
        if (wanted.isValid())
            settings.setValue(u"extras/scalePercent"_s, wanted);
        if (fitted.isValid())
            settings.setValue(u"extras/scaleFittedPercent"_s, fitted);
    }
    if (own.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", own);
    QCOMPARE(scaleBeforeApplication(), started);
    QCOMPARE(startedPercent(), started);
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), factor);
}

void TestDisplayScale::pickingASize_data()
{
    QTest::addColumn<bool>("drillRunning");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("picked");
    QTest::addColumn<bool>("restartNow");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("restarts");
    QTest::addColumn<QString>("note");
    const QSize large(2200, 1500);
    const QSize fullHd(1920, 1040);
    QTest::newRow("150 %, started again now")
        << false << large << 150 << true << u"150 %"_s << QString() << 1 << u"次の起動から 150 %"_s;
    QTest::newRow("150 %, at the next start")
        << false << large << 150 << false << u"150 %"_s << QString() << 0 << u"次の起動から 150 %"_s;
    QTest::newRow("200 %, capped") << false << fullHd << 200 << true << u"142 %"_s << QString() << 1
                                   << u"200 % は画面に入らないため 142 %、次の起動から 142 %"_s;
    QTest::newRow("during a drill") << true << large << 125 << true << QString() << u"125 %"_s << 0
                                    << u"次の起動から 125 %"_s;
    QTest::newRow("the size on screen") << false << large << 100 << true << QString() << QString() << 0 << QString();
}

void TestDisplayScale::pickingASize()
{
    QFETCH(bool, drillRunning);
    QFETCH(QSize, room);
    QFETCH(int, picked);
    QFETCH(bool, restartNow);
    QFETCH(QString, asked);
    QFETCH(QString, told);
    QFETCH(int, restarts);
    QFETCH(QString, note);
    QWidget window;
    QMenu menu;
    FakeClock clock;
    DrillControl control(clock);
    DisplayScale scale(&window, menu, control);
    QStringList questions;
    QStringList messages;
    int restarted = 0;
    scale.setSeams({[&] { return room; },
                    [&](const QString &question) {
                        questions << question;
                        return restartNow;
                    },
                    [&](const QString &message) { messages << message; }, [&] { ++restarted; }});
    if (drillRunning)
        control.drillStarted();

    QAction *size = nullptr;
    for (QAction *action : scale.sizeMenu()->actions())
        if (action->text() == u"%1 %"_s.arg(picked))
            size = action;
    QVERIFY(size);
    size->trigger();

    QCOMPARE(questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(questions.first().contains(asked), qPrintable(questions.first()));
    QCOMPARE(messages.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QVERIFY2(messages.first().contains(told), qPrintable(messages.first()));
    QCOMPARE(restarted, restarts);
    QCOMPARE(scale.note()->isVisible(), !note.isEmpty());
    QCOMPARE(scale.note()->text(), note);
    QVERIFY(size->isChecked());
    QCOMPARE(scale.wantedPercent(), picked);

    // Remembered for the next start, as main() reads it.
    QSettings().sync();
    QCOMPARE(beforeApplication().value(u"extras/scalePercent"_s).toInt(), picked);
    QCOMPARE(scaleBeforeApplication(), fittingPercent(picked, room));
    DisplayScale next(&window, menu, control);
    QCOMPARE(next.wantedPercent(), picked);
}

void TestDisplayScale::theMenuOffersEveryExtra()
{
    FormFixture fixture;
    Form1 &form = fixture.form();
    QStringList texts;
    for (const QAction *action : form.findChild<QMenu *>(u"ExtrasMenu"_s)->actions())
        if (!action->isSeparator())
            texts << action->text();
    for (const QString &extra : {u"全体をシャッフル"_s, u"フォルダを選ぶ…"_s, u"表示の大きさ"_s})
        QVERIFY2(texts.contains(extra), qPrintable(texts.join(u", ")));

    QStringList sizes;
    for (QAction *size : form.extras().displayScale().sizeMenu()->actions()) {
        if (!size->isCheckable())
            continue;
        sizes << size->text();
        QVERIFY(size->actionGroup() && size->actionGroup()->isExclusive());
        QCOMPARE(size->isChecked(), size->text() == u"100 %"_s);
    }
    QCOMPARE(sizes, (QStringList{u"100 %"_s, u"125 %"_s, u"150 %"_s, u"200 %"_s}));
    QVERIFY(!form.extras().displayScale().note()->isVisible());
}

QTEST_MAIN(TestDisplayScale)
#include "tst_displayscale.moc"
