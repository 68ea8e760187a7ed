// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The English word said aloud in the real window, with a speaker that notes
// what it is asked and a clock the test moves.
#include "FormFixture.h"
#include "fakes/FakeSpeaker.h"
#include "ui/Extras.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QMessageBox>
#include <QSettings>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::nanoseconds SpeechCap = std::chrono::seconds(5);

// Where the card's texts are, on the screen.
QRect cardArea(const Form1 &form)
{
    return {form.Picture1->mapToGlobal(QPoint(0, 0)), form.Picture1->size()};
}

} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wordIsSaidThenTheCardsTimeRuns_data();
    void wordIsSaidThenTheCardsTimeRuns();
    void offMeansNoCallAndTroubleIsToldOnce();
    void wordsThatNeverEndStopSpeechForTheRun();

private:
    QTemporaryDir m_configuration;
};

void TestSpeech::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
}

void TestSpeech::wordIsSaidThenTheCardsTimeRuns_data()
{
    QTest::addColumn<QString>("during"); // what happens while the first word is said
    QTest::addColumn<QStringList>("expected");

    const QStringList secondCard{u"say w2"_s, u"wait 5000"_s, u"wait 1500"_s};
    QTest::newRow("heard") << u""_s << QStringList{u"say w1"_s, u"wait 5000"_s, u"wait 1500"_s} + secondCard;
    // No end reported: the card's time starts at the cap, and the word is
    // cut off when the card's time is over.
    QTest::newRow("no end") << u"nothing"_s
                            << QStringList{u"say w1"_s, u"wait 5000"_s, u"wait 1500"_s, u"cancel"_s} + secondCard;
    QTest::newRow("next") << u"next"_s << QStringList{u"say w1"_s, u"wait 5000"_s, u"cancel"_s} + secondCard;
    QTest::newRow("stop") << u"stop"_s << QStringList{u"say w1"_s, u"wait 5000"_s, u"cancel"_s};
    QTest::newRow("end") << u"end"_s << QStringList{u"say w1"_s, u"wait 5000"_s, u"cancel"_s};
    // Resuming says the word again from the start.
    QTest::newRow("pause, resume") << u"pause"_s
                                   << QStringList{u"say w1"_s, u"wait 5000"_s, u"cancel"_s,   u"wait 3600000"_s,
                                                  u"say w1"_s, u"wait 5000"_s, u"wait 1500"_s}
                                          + secondCard;
    // The nested drill prompts with meanings only: nothing more is said.
    QTest::newRow("nested start") << u"nested"_s
                                  << QStringList{u"say w1"_s, u"wait 5000"_s, u"cancel"_s, u"wait 1500"_s,
                                                 u"wait 1500"_s};
}

void TestSpeech::wordIsSaidThenTheCardsTimeRuns()
{
    QFETCH(QString, during);
    QFETCH(QStringList, expected);
    FormFixture fixture;
    FakeSpeaker speaker;
    Form1 &form = fixture.loaded({u"w1 ダブリュー 0 意味1"_s, u"w2 ダブリュー 0 意味2"_s});
    form.setSpeaker(&speaker);
    form.extras().speechAction()->setChecked(true);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    bool acted = false;
    fixture.fakes.runEventsAndSleep([&] {
        const auto maxWait = fixture.fakes.pump.maxWaits().back();
        speaker.log << u"wait %1"_s.arg(std::chrono::duration_cast<std::chrono::milliseconds>(maxWait).count());
        if (maxWait == std::chrono::hours(1)) {
            QTest::keyClick(&form, Qt::Key_P); // resume
            return;
        }
        if (maxWait != SpeechCap)
            return;
        if (acted || during.isEmpty()) {
            speaker.speaking = false; // the service reports the end
            return;
        }
        acted = true;
        if (during == u"next")
            QTest::keyClick(&form, Qt::Key_N);
        else if (during == u"stop")
            QTest::keyClick(&form, Qt::Key_Escape);
        else if (during == u"pause")
            QTest::keyClick(&form, Qt::Key_P);
        else if (during == u"end")
            QTest::mouseClick(form.Command2, Qt::LeftButton);
        else if (during == u"nested")
            QTest::mouseClick(form.Command3, Qt::LeftButton);
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(speaker.log, expected);
    QVERIFY(!speaker.speaking);
}

void TestSpeech::offMeansNoCallAndTroubleIsToldOnce()
{
    FormFixture fixture;
    FakeSpeaker speaker;
    Form1 &form = fixture.loaded({u"w1 ダブリュー 0 意味1"_s, u"w2 ダブリュー 0 意味2"_s});
    form.setSpeaker(&speaker);
    form.extras().speechAction()->setChecked(false);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY2(speaker.log.isEmpty(), qPrintable(speaker.log.join(u", ")));

    // No service: the drill runs as without speech and says why, once, in a
    // box that does not hold the drill.
    speaker.unavailable = u"no socket"_s;
    form.extras().speechAction()->setChecked(true);
    QList<std::chrono::nanoseconds> waits;
    fixture.fakes.runEventsAndSleep([&] { waits << fixture.fakes.pump.maxWaits().back(); });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(waits,
             (QList<std::chrono::nanoseconds>{std::chrono::milliseconds(1500), std::chrono::milliseconds(1500)}));
    const QList<QMessageBox *> notices = form.findChildren<QMessageBox *>(u"SpeechNotice"_s);
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first()->windowModality(), Qt::NonModal);
    QVERIFY(notices.first()->text().contains(u"speech-dispatcher"_s));
    QVERIFY2(!notices.first()->frameGeometry().intersects(cardArea(form)), "the notice covers no card text");
}

// No sound server: the service starts every word and never reports its end.
void TestSpeech::wordsThatNeverEndStopSpeechForTheRun()
{
    FormFixture fixture;
    FakeSpeaker speaker;
    Form1 &form = fixture.loaded({u"w1 ダブリュー 0 意味1"_s, u"w2 ダブリュー 0 意味2"_s, u"w3 ダブリュー 0 意味3"_s});
    form.setSpeaker(&speaker);
    form.extras().speechAction()->setChecked(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    fixture.fakes.runEventsAndSleep([&] {
        const auto maxWait = fixture.fakes.pump.maxWaits().back();
        speaker.log << u"wait %1"_s.arg(std::chrono::duration_cast<std::chrono::milliseconds>(maxWait).count());
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    // Two words at the cap, then the third card at its own pace.
    QCOMPARE(speaker.log, (QStringList{u"say w1"_s, u"wait 5000"_s, u"wait 1500"_s, u"cancel"_s, u"say w2"_s,
                                       u"wait 5000"_s, u"wait 1500"_s, u"cancel"_s, u"wait 1500"_s}));
    const QList<QMessageBox *> notices = form.findChildren<QMessageBox *>(u"SpeechNotice"_s);
    QCOMPARE(notices.size(), 1);
    QMessageBox *notice = notices.first();
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->windowModality(), Qt::NonModal);
    QVERIFY2(notice->text().contains(u"PulseAudio"_s) && !notice->text().contains(u"apt install"_s),
             qPrintable(notice->text()));
    QCOMPARE(notice->accessibleDescription(), notice->text());
    QVERIFY2(!notice->frameGeometry().intersects(cardArea(form)), "the notice covers no card text");
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
