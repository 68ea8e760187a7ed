// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending the program for real: the end button and closing the window leave
// the event loop with status 0, also from inside a drill's wait.
#include "platform/SystemPlatform.h"
#include "ui/CardLabel.h"
#include "ui/FileList.h"
#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lexiwren;
using namespace Qt::StringLiterals;

class TestForm1End : public QObject
{
    Q_OBJECT

private slots:
    void endsFromTheWindow_data();
    void endsFromTheWindow();
    void endButtonAbandonsAWaitingDrill();
};

void TestForm1End::endsFromTheWindow_data()
{
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("end button") << false;
    QTest::newRow("closing the window") << true;
}

void TestForm1End::endsFromTheWindow()
{
    QFETCH(bool, byClosing);
    SystemPlatform system;
    Form1 form(system.platform());
    form.show();
    QTimer::singleShot(0, &form, [&] {
        if (byClosing)
            form.close();
        else
            QTest::mouseClick(form.Command2, Qt::LeftButton);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
}

void TestForm1End::endButtonAbandonsAWaitingDrill()
{
    QTemporaryDir directory;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());
    QFile file(directory.filePath(u"cards.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(u"one イチ 0 一\ntwo ツー 0 二\n"_s.toUtf8());
    file.close();

    SystemPlatform system;
    Form1 form(system.platform());
    form.File1->refresh();
    form.File1->setCurrentRow(0);
    form.Command6_Click();
    form.Check1->setChecked(true);
    form.Check2->setChecked(true);    // no sound on a test machine
    form.Combo1->setEditText(u"2"_s); // a 3-second prompt
    form.show();

    QTimer::singleShot(0, &form, [&] { QTest::mouseClick(form.Command1, Qt::LeftButton); });
    QTimer::singleShot(100, &form, [&] { QTest::mouseClick(form.Command2, Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), 0);

    // The prompt's wait was cut short: the answer never showed and the
    // drill did not go on to its next card or its end.
    QCOMPARE(form.Label7->text(), u"Label7"_s);
    QCOMPARE(form.Picture1->drawnTexts().first().text, u"No. 1 "_s);
    QVERIFY(!form.Command6->isEnabled());
    QDir::setCurrent(previous);
}

QTEST_MAIN(TestForm1End)
#include "tst_form1_end.moc"
