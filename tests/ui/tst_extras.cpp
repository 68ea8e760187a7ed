// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras in the real window: the keys of a running drill, laps, and the
// remembered switches.
#include "FormFixture.h"
#include "ui/CardLabel.h"
#include "ui/Extras.h"
#include "ui/PictureBox.h"
#include "ui/ToolkitTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

#include <optional>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QStringList cardLines(int cards)
{
    QStringList lines;
    for (int card = 1; card <= cards; ++card)
        lines << u"w%1 ヨミ 0 意味%1"_s.arg(card);
    return lines;
}

QStringList headerTexts(const Form1 &form)
{
    QStringList texts;
    for (const PictureBox::DrawnText &drawn : form.Picture1->drawnTexts())
        texts << drawn.text;
    return texts;
}

void activate(Form1 &form)
{
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

} // namespace

class TestExtras : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keysDriveTheDrillButNotTheSpeedBox();
    void stopInANestedDrillEndsThemAll();
    void lapsReshuffleUntilStopped();
    void pauseAndPlayKeysDoOnlyThat_data();
    void pauseAndPlayKeysDoOnlyThat();
    void rightClickOpensTheMenuOfWhatIsUnderIt_data();
    void rightClickOpensTheMenuOfWhatIsUnderIt();
    void wholeShuffleSwitch_data();
    void wholeShuffleSwitch();

private:
    QTemporaryDir m_configuration;
};

void TestExtras::initTestCase()
{
    // The learner's own configuration is not the tests' to change.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
}

void TestExtras::keysDriveTheDrillButNotTheSpeedBox()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(2));
    activate(form);
    QLineEdit *speedText = form.Combo1->lineEdit();
    QLabel *pauseMark = form.Picture1->findChild<QLabel *>(u"PauseMark"_s);
    QVERIFY(pauseMark);

    using namespace std::chrono_literals;
    FakeClock &clock = fixture.fakes.clock;
    int step = 0;
    QList<std::chrono::nanoseconds> waits;
    fixture.fakes.pump.setHook([&](std::chrono::nanoseconds maxWait) {
        QCoreApplication::processEvents();
        if (maxWait <= 0ns)
            return;
        waits << maxWait;
        switch (step++) {
        case 0:
            // Half a second into the prompt, letters typed in the speed box
            // are the speed box's; P on a button pauses.
            clock.advance(500ms);
            speedText->setFocus();
            QTest::keyClicks(speedText, u"pn"_s);
            QCOMPARE(form.drillControl().state(), DrillControl::State::Playing);
            form.Command1->setFocus();
            QTest::keyClick(form.Command1, Qt::Key_P);
            QCOMPARE(form.drillControl().state(), DrillControl::State::Paused);
            QVERIFY(pauseMark->isVisible());
            break;
        case 1:
            clock.advance(10s);
            QTest::keyClick(form.Command1, Qt::Key_P);
            QVERIFY(!pauseMark->isVisible());
            break;
        case 2:
            QTest::keyClick(form.Command1, Qt::Key_N);
            break;
        default:
            clock.advance(maxWait);
        }
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(speedText->text(), u"1pn"_s);
    // The paused wait sleeps until woken, resumes with the second left of
    // its 1.5 s, and N ends it; the next card gets its full time.
    QCOMPARE(waits.size(), 4);
    QCOMPARE(waits[0], 1500ms);
    QVERIFY(waits[1] >= 1min);
    QCOMPARE(waits[2], 1000ms);
    QCOMPARE(waits[3], 1500ms);
    QCOMPARE(headerTexts(form).first(), u"No. 2 "_s);
    QCOMPARE(form.drillControl().state(), DrillControl::State::Stopped);
    QVERIFY2(!form.extras().pauseAction()->isEnabled(), "with no drill running, P is left to the focused control");
}

void TestExtras::stopInANestedDrillEndsThemAll()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(3));
    form.Check1->setChecked(true);
    activate(form);
    int waits = 0;
    fixture.fakes.runEventsAndSleep([&] {
        if (++waits == 1)
            QTest::mouseClick(form.Command3, Qt::LeftButton); // a drill inside the first
        else
            QTest::keyClick(&form, Qt::Key_Escape);
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(waits, 2);
    QCOMPARE(fixture.fakes.beeper.count, 2); // neither drill went on after the stop
    QCOMPARE(form.drillControl().state(), DrillControl::State::Stopped);
    QVERIFY(form.Command6->isEnabled());
    QVERIFY(form.Command1->isEnabled() && form.Command3->isEnabled());
    // The card in view when stopped stays: the inner drill's first prompt.
    QVERIFY(!form.Label2->isVisible());
    QCOMPARE(form.Label7->text(), u"意味1"_s);
    QCOMPARE(fixture.fakes.end.endCalls(), 0);
}

void TestExtras::lapsReshuffleUntilStopped()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(5));
    form.extras().lapsAction()->setChecked(true);
    QList<QStringList> headers;
    fixture.fakes.beeper.onBeep = [&] {
        headers << headerTexts(form);
        if (headers.size() == 11) // the first card of the third lap
            form.drillControl().stop();
    };
    QTest::mouseClick(form.Command4, Qt::LeftButton);

    QCOMPARE(headers.size(), 11);
    QCOMPARE(fixture.fakes.random.draws, 3 * 42); // a fresh shuffle for each lap
    QCOMPARE(headers[4], (QStringList{u"No. 5 "_s, u"全 5問"_s}));
    QCOMPARE(headers[5], (QStringList{u"No. 1 "_s, u"全 5問"_s, u"2周目"_s}));
    QCOMPARE(headers[10].last(), u"3周目"_s);
    QVERIFY(form.Command6->isEnabled());

    // The switch is remembered for the next run; the check boxes are not.
    form.Check1->setChecked(true);
    FakePlatform otherRun;
    Form1 next(otherRun.platform());
    QVERIFY(next.extras().laps());
    QVERIFY(!next.Check1->isChecked());
}

void TestExtras::pauseAndPlayKeysDoOnlyThat_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pausedBefore");
    QTest::addColumn<bool>("pausedAfter");

    QTest::newRow("Pause key while playing") << int(Qt::Key_MediaPause) << false << true;
    QTest::newRow("Pause key while paused") << int(Qt::Key_MediaPause) << true << true;
    QTest::newRow("Play key while paused") << int(Qt::Key_MediaPlay) << true << false;
    QTest::newRow("Play key while playing") << int(Qt::Key_MediaPlay) << false << false;
    QTest::newRow("Play/Pause key while playing") << int(Qt::Key_MediaTogglePlayPause) << false << true;
    QTest::newRow("Play/Pause key while paused") << int(Qt::Key_MediaTogglePlayPause) << true << false;
    QTest::newRow("P while paused") << int(Qt::Key_P) << true << false;
}

void TestExtras::pauseAndPlayKeysDoOnlyThat()
{
    QFETCH(int, key);
    QFETCH(bool, pausedBefore);
    QFETCH(bool, pausedAfter);
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(1));
    activate(form);
    std::optional<bool> paused;
    fixture.fakes.runEventsAndSleep([&] {
        if (paused)
            return;
        if (pausedBefore)
            form.drillControl().pause();
        // With no text: QTest has none for the media keys.
        QTest::sendKeyEvent(QTest::Click, form.Command1, Qt::Key(key), QString(), Qt::NoModifier);
        paused = form.drillControl().isPaused();
        form.drillControl().stop();
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QVERIFY(paused.has_value());
    QCOMPARE(*paused, pausedAfter);
}

void TestExtras::rightClickOpensTheMenuOfWhatIsUnderIt_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("menu"); // which menu opens: the extras, the speed box's text menu, or none

    QTest::newRow("card area") << u"Picture1"_s << u"extras"_s;
    QTest::newRow("start button") << u"Command1"_s << u"extras"_s;
    QTest::newRow("speed box text") << u"Combo1 text"_s << u"text"_s;
    QTest::newRow("speed box arrow") << u"Combo1 arrow"_s << QString();
}

// A real right click, which Qt turns into the context menu event itself.
void TestExtras::rightClickOpensTheMenuOfWhatIsUnderIt()
{
    QFETCH(QString, where);
    QFETCH(QString, menu);
    installJapaneseToolkitTexts();
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(1));
    activate(form);

    QWidget *target = form.findChild<QWidget *>(where.section(u' ', 0, 0));
    QVERIFY(target);
    QPoint at = target->rect().center();
    if (where == u"Combo1 text"_s)
        at = form.Combo1->lineEdit()->geometry().center();
    else if (where == u"Combo1 arrow"_s)
        at = QPoint(form.Combo1->width() - 4, form.Combo1->height() / 2);
    QVERIFY(!form.Combo1->lineEdit()->geometry().contains(at) || where == u"Combo1 text"_s);
    const QPoint inWindow = target->mapTo(&form, at);
    QTest::mousePress(form.windowHandle(), Qt::RightButton, {}, inWindow);
    QTest::mouseRelease(form.windowHandle(), Qt::RightButton, {}, inWindow);

    if (menu.isEmpty()) {
        QTest::qWait(50);
        QVERIFY(!QApplication::activePopupWidget());
        return;
    }
    QTRY_VERIFY(QApplication::activePopupWidget());
    auto *shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(shown);
    QString opened = shown->objectName() == u"ExtrasMenu"_s ? u"extras"_s : shown->objectName();
    if (shown->objectName() == u"qt_edit_menu"_s && shown->parent() == form.Combo1->lineEdit()) {
        opened = u"text"_s;
        // Qt's own edit menu, in Japanese like the rest of the window.
        QStringList texts;
        for (const QAction *action : shown->actions())
            texts << action->text();
        QVERIFY2(texts.join(u'|').contains(u"すべてを選択"_s), qPrintable(texts.join(u'|')));
    }
    shown->close();
    QCOMPARE(opened, menu);
}

// Every draw 0: each of the 21 swaps exchanges the first card with itself,
// while the whole-deck shuffle moves every card down one place.
void TestExtras::wholeShuffleSwitch_data()
{
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("drawsPerLap");
    QTest::newRow("off: 21 swaps") << false << QStringList{u"w1"_s, u"w2"_s, u"w3"_s, u"w4"_s, u"w5"_s} << 42;
    QTest::newRow("on: the whole deck") << true << QStringList{u"w2"_s, u"w3"_s, u"w4"_s, u"w5"_s, u"w1"_s} << 4;
}

void TestExtras::wholeShuffleSwitch()
{
    QFETCH(bool, whole);
    QFETCH(QStringList, order);
    QFETCH(int, drawsPerLap);
    FormFixture fixture;
    Form1 &form = fixture.loaded(cardLines(5));
    QVERIFY(!form.extras().wholeShuffle()); // off until switched on
    form.extras().wholeShuffleAction()->setChecked(whole);
    form.extras().lapsAction()->setChecked(true);
    QStringList words; // one wait per card, answers being off
    fixture.fakes.runEventsAndSleep([&] {
        words << form.Label2->text();
        if (words.size() == 10)
            form.drillControl().stop();
    });
    QTest::mouseClick(form.Command4, Qt::LeftButton);

    QCOMPARE(words, order + order); // each lap shuffled the same way again
    QCOMPARE(fixture.fakes.random.draws, 2 * drawsPerLap);
    QCOMPARE(form.Deck[0][EnglishField], u"w1"_s); // the file's order stays for the ordered drills

    FakePlatform otherRun;
    Form1 next(otherRun.platform());
    QCOMPARE(next.extras().wholeShuffle(), whole);
}

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
