// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker as the program opens it: a right click on the main window, the
// menu's item, a window of its own beside the main one, and a saved file that
// the main window lists, loads and drills at once; drafting goes on while a
// drill runs.
#include "FakeEngine.h"
#include "maker/window/DraftTableModel.h"
#include "maker/window/MakerWindow.h"
#include "ui/CardLabel.h"
#include "ui/Extras.h"
#include "ui/FileList.h"
#include "ui/PictureBox.h"
#include "ui/Program.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lexiwren;
using namespace lexiwren::maker;
using namespace Qt::StringLiterals;

class TestMakerProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void theMenuOpensTheMakerAndItsFileIsDrilled();

private:
    QTemporaryDir m_configuration;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

void TestMakerProgram::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
}

void TestMakerProgram::init()
{
    m_previousFolder = QDir::currentPath();
    m_folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_folder->path());
}

void TestMakerProgram::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    m_folder.reset();
}

void TestMakerProgram::theMenuOpensTheMakerAndItsFileIsDrilled()
{
    FakeEngine engine;
    Program program;
    program.setQuestionFileEngine(engine.loader());
    Form1 &form = program.window();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!program.questionFileMaker());

    // A right click on the card area, as the learner gives it.
    const QPoint onCard = form.Picture1->mapTo(&form, QPoint(400, 300));
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, onCard);
    auto *menu = form.findChild<QMenu *>(u"ExtrasMenu"_s);
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QAction *item = form.extras().makeQuestionFileAction();
    QCOMPARE(item->text(), u"単語リストから問題ファイルを作る…"_s);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());

    QTRY_VERIFY(program.questionFileMaker() && program.questionFileMaker()->isVisible());
    MakerWindow *maker = program.questionFileMaker();
    QVERIFY(maker->isWindow());
    QCOMPARE(maker->windowModality(), Qt::NonModal);
    QVERIFY(form.isEnabled());
    QCOMPARE(form.size(), QSize(1031, 695));

    maker->wordBox()->setPlainText(u"apple\nrecord\nlook up\n"_s);
    QSignalSpy drafted(maker, &MakerWindow::draftsReady);
    QTest::mouseClick(maker->draftButton(), Qt::LeftButton);
    QVERIFY(drafted.wait(10000));
    maker->nameBox()->setText(u"果物"_s);
    QTest::mouseClick(maker->saveButton(), Qt::LeftButton);

    // Listed and selected at once, without waiting for the folder watch.
    QCOMPARE(form.File1->selectedName(), u"果物.txt"_s);
    QTest::mouseClick(form.Command6, Qt::LeftButton);
    QCOMPARE(form.CardCount, qint16(3));
    QCOMPARE(form.Deck[2][EnglishField], u"look up"_s);
    QCOMPARE(form.Deck[1][ReadingField], u"レコード"_s);

    // Drilled at speed 0, so it runs through at once; the last card stays.
    form.Combo1->setEditText(u"0"_s);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(form.Label2->text(), u"look up"_s);

    // A drill started in the main window runs in its waits' event loops; the
    // maker drafts meanwhile and fills its table before the drill ends.
    form.Combo1->setEditText(u"0.2"_s);
    maker->wordBox()->setPlainText(u"banana\ncomputer"_s);
    bool filledDuringDrill = false;
    connect(maker, &MakerWindow::draftsReady, &form, [&] { filledDuringDrill = form.drillControl().isRunning(); });
    QTimer::singleShot(0, maker->draftButton(), &QPushButton::click);
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(!form.drillControl().isRunning());
    QVERIFY(filledDuringDrill);
    QCOMPARE(maker->model()->rowCount(), 2);

    // 終了, and the window's own close button, with drafts not saved: the
    // maker asks and the program stays; kept, the drafts are still there.
    const auto answer = [&](QMessageBox::StandardButton button) {
        auto *asked = maker->findChild<QMessageBox *>(u"CloseQuestion"_s);
        QVERIFY(asked && asked->isVisible());
        QTest::mouseClick(asked->button(button), Qt::LeftButton);
        QTRY_VERIFY(!maker->findChild<QMessageBox *>(u"CloseQuestion"_s));
    };
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QVERIFY(form.isVisible()); // ending hides every window at once
    answer(QMessageBox::Cancel);
    QVERIFY(form.close() == false);
    answer(QMessageBox::Cancel);
    QVERIFY(form.isVisible() && maker->isVisible());
    QCOMPARE(maker->model()->rowCount(), 2);

    // The item again raises the same window; closing it destroys it.
    item->trigger();
    QCOMPARE(program.questionFileMaker(), maker);
    maker->close();
    // The second drafts were not saved: asked, and thrown away.
    auto *question = maker->findChild<QMessageBox *>(u"CloseQuestion"_s);
    QVERIFY(question && question->isVisible());
    QTest::mouseClick(question->button(QMessageBox::Discard), Qt::LeftButton);
    QTRY_VERIFY(!program.questionFileMaker());
    QVERIFY(form.isVisible());
}

QTEST_MAIN(TestMakerProgram)
#include "tst_makerprogram.moc"
