// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Marking cards for review in the real window: the M key, the header's mark,
// the review file in the file list, and the notice when it cannot be written.
#include "FormFixture.h"
#include "ui/Extras.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

const QStringList Cards{u"w1 ヨミ 0 意味1"_s, u"give up\tギブアップ\t2\tあきらめる"_s, u"w3 ヨミ 0 意味3"_s};

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : u"(none)"_s;
}

// The texts drawn in the header, and the review mark when it shows.
QString headerWithMark(Form1 &form)
{
    QStringList texts;
    for (const PictureBox::DrawnText &drawn : form.Picture1->drawnTexts())
        texts << drawn.text;
    const auto *mark = form.Picture1->findChild<QLabel *>(u"ReviewMark"_s);
    if (mark && mark->isVisible())
        texts << u"[%1]"_s.arg(mark->text());
    return texts.join(u'|');
}

} // namespace

class TestReviewMark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void markCardsThenDrillTheReview();
    void refusedReviewFileToldOnceBesideTheCard();

private:
    QTemporaryDir m_configuration;
};

void TestReviewMark::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
}

void TestReviewMark::markCardsThenDrillTheReview()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded(Cards);
    form.Check1->setChecked(false);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY2(!form.extras().reviewAction()->isEnabled(), "with no drill running, M is the focused control's");
    QVERIFY(!form.Picture1->findChild<QLabel *>(u"ReviewMark"_s));

    // M on the prompts of cards 1 and 2, M twice on card 3: marked, then taken out.
    QStringList headers;
    int wait = 0;
    fixture.fakes.runEventsAndSleep([&] {
        QTest::keyClick(&form, Qt::Key_M);
        if (++wait == 3)
            QTest::keyClick(&form, Qt::Key_M);
        headers << headerWithMark(form);
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(headers, (QStringList{u"No. 1 |全 3問|[復習]"_s, u"No. 2 |全 3問|[復習]"_s, u"No. 3 |全 3問"_s}));

    const auto *mark = form.Picture1->findChild<QLabel *>(u"ReviewMark"_s);
    QVERIFY(mark);
    QCOMPARE(mark->textFormat(), Qt::PlainText);
    QCOMPARE(mark->pos(), QPoint(580, 35));
    QCOMPARE(mark->accessibleDescription(), QString());

    const QString review = fixture.path(u"cards-復習.txt"_s);
    QTRY_COMPARE(fileText(review), Cards[0] + u'\n' + Cards[1] + u'\n');
    QCOMPARE(fileText(fixture.path(u"cards.txt"_s)), Cards.join(u'\n') + u'\n');
    QTRY_VERIFY(!form.File1->findItems(u"cards-復習.txt"_s, Qt::MatchExactly).isEmpty());

    // Drilling the review file: M says the card is learned and takes it out,
    // until the file is gone.
    fixture.load(u"cards-復習.txt"_s);
    QCOMPARE(form.CardCount, 2);
    headers.clear();
    fixture.fakes.runEventsAndSleep([&] {
        QTest::keyClick(&form, Qt::Key_M);
        headers << headerWithMark(form);
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(headers, (QStringList{u"No. 1 |全 2問|[覚えた]"_s, u"No. 2 |全 2問|[覚えた]"_s}));
    QCOMPARE(mark->accessibleDescription(), u"覚えた"_s);
    QTRY_VERIFY(!QFile::exists(review));
    QVERIFY(fixture.errors.isEmpty());
    QVERIFY(!form.findChild<QMessageBox *>(u"ReviewNotice"_s));
}

void TestReviewMark::refusedReviewFileToldOnceBesideTheCard()
{
    FormFixture fixture;
    fixture.writeFile(u"cards.txt"_s, Cards);
    // The review file's name is taken by a folder: the reader refuses it and it is left alone.
    QVERIFY(QDir(fixture.path(QString())).mkdir(u"cards-復習.txt"_s));
    Form1 &form = fixture.form();
    fixture.load(u"cards.txt"_s);
    form.Check1->setChecked(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    int waits = 0;
    fixture.fakes.runEventsAndSleep([&] {
        ++waits;
        QTest::keyClick(&form, Qt::Key_M);
        QTest::qWait(50); // the write's outcome comes back while the card is up
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(waits, 6); // every prompt and answer had its wait: the drill went on
    const QList<QMessageBox *> notices = form.findChildren<QMessageBox *>(u"ReviewNotice"_s);
    QCOMPARE(notices.size(), 1);
    QMessageBox *notice = notices.first();
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->isModal());
    QVERIFY2(notice->text().contains(u"cards-復習.txt"_s), qPrintable(notice->text()));
    const QRect card(form.Picture1->mapToGlobal(QPoint(0, 0)), form.Picture1->size());
    QVERIFY2(!notice->frameGeometry().intersects(card), "the notice covers no card text");
    QVERIFY(QFileInfo(fixture.path(u"cards-復習.txt"_s)).isDir());
    const auto *mark = form.Picture1->findChild<QLabel *>(u"ReviewMark"_s);
    QVERIFY(!mark || !mark->isVisible());
}

QTEST_MAIN(TestReviewMark)
#include "tst_reviewmark.moc"
