// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The extras' folder chooser in the real window: the list follows the chosen
// folder and loads from it, a running drill keeps its deck, the choice is
// remembered, and a remembered folder that is gone falls back to the start
// folder with a notice beside the card.
#include "FormFixture.h"
#include "ui/CardLabel.h"
#include "ui/Extras.h"
#include "ui/FolderChoice.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

const QString StartTitle = u"【 Lexiwren! 】"_s;

QStringList listed(const Form1 &form)
{
    QStringList names;
    for (int row = 0; row < form.File1->count(); ++row)
        names << form.File1->item(row)->text();
    return names;
}

void writeCards(const QString &path, const QStringList &words)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString &word : words)
        file.write(u"%1 ヨミ 0 意味\n"_s.arg(word).toUtf8());
}

FolderChoice &folderChoice(Form1 &form)
{
    return *form.extras().folderChoice();
}

} // namespace

class TestFolderChoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void chosenFolderIsListedLoadedAndWatched();
    void aRunningDrillKeepsItsDeck();
    void theDialogReturnsAtOnce();
    void rememberedFolder_data();
    void rememberedFolder();

private:
    QTemporaryDir m_configuration;
};

void TestFolderChoice::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configuration.path());
}

void TestFolderChoice::init()
{
    QSettings().clear();
}

void TestFolderChoice::chosenFolderIsListedLoadedAndWatched()
{
    FormFixture fixture;
    fixture.writeFile(u"start.txt"_s, {u"one ワン 0 一つ"_s});
    QTemporaryDir other;
    writeCards(other.filePath(u"b.txt"_s), {u"bee"_s, u"bus"_s});
    writeCards(other.filePath(u"start.txt"_s), {u"elsewhere"_s});
    Form1 &form = fixture.form();
    form.File1->setCurrentRow(0);
    QCOMPARE(form.windowTitle(), StartTitle);

    QStringList askedFrom;
    folderChoice(form).setChooser([&](QWidget *window, const QString &from, const auto &chosen) {
        askedFrom << from;
        QCOMPARE(window, &form);
        chosen(QString()); // cancelled
    });
    folderChoice(form).action()->trigger();
    QCOMPARE(askedFrom, QStringList{QDir::currentPath()});
    QCOMPARE(listed(form), QStringList{u"start.txt"_s});
    QVERIFY(form.File1->selectedName() == u"start.txt"_s);

    folderChoice(form).setChooser([&](QWidget *, const QString &, const auto &chosen) { chosen(other.path()); });
    folderChoice(form).action()->trigger();
    QCOMPARE(listed(form), (QStringList{u"b.txt"_s, u"start.txt"_s}));
    QVERIFY2(form.File1->selectedName().isEmpty(), "a file of the same name elsewhere is another file");
    QCOMPARE(QDir(QDir::currentPath()).canonicalPath(), QDir(other.path()).canonicalPath());
    QVERIFY(form.windowTitle().startsWith(StartTitle));
    QVERIFY2(form.windowTitle().endsWith(QDir::toNativeSeparators(QDir::currentPath())),
             qPrintable(form.windowTitle()));
    QCOMPARE(QSettings().value(u"extras/folder"_s).toString(), QDir::currentPath());

    // Loading opens the selected file by its bare name, now in the chosen folder.
    fixture.load(u"b.txt"_s);
    QCOMPARE(form.CardCount, qint16(2));
    QCOMPARE(form.Deck[1][EnglishField], u"bus"_s);
    // The list watches the chosen folder now.
    writeCards(other.filePath(u"c.txt"_s), {u"cat"_s});
    QTRY_COMPARE(listed(form), (QStringList{u"b.txt"_s, u"c.txt"_s, u"start.txt"_s}));

    // Back in the start folder, the title is the window's own again.
    QVERIFY(folderChoice(form).goTo(folderChoice(form).startFolder()));
    QCOMPARE(form.windowTitle(), StartTitle);
    QCOMPARE(listed(form), QStringList{u"start.txt"_s});
    // A folder that cannot be entered changes nothing.
    QVERIFY(!folderChoice(form).goTo(other.filePath(u"missing"_s)));
    QCOMPARE(listed(form), QStringList{u"start.txt"_s});
    QCOMPARE(form.windowTitle(), StartTitle);
}

void TestFolderChoice::aRunningDrillKeepsItsDeck()
{
    FormFixture fixture;
    Form1 &form = fixture.loaded({u"one ワン 0 一つ"_s, u"two ツー 0 二つ"_s, u"three スリー 0 三つ"_s});
    QTemporaryDir other;
    writeCards(other.filePath(u"new.txt"_s), {u"new"_s});
    folderChoice(form).setChooser([&](QWidget *, const QString &, const auto &chosen) { chosen(other.path()); });
    QStringList words;
    fixture.fakes.runEventsAndSleep([&] {
        words << form.Label2->text();
        if (words.size() == 1)
            folderChoice(form).action()->trigger();
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(words, (QStringList{u"one"_s, u"two"_s, u"three"_s}));
    QCOMPARE(listed(form), QStringList{u"new.txt"_s});
    QCOMPARE(form.CardCount, qint16(3));
}

// The folder dialog blocks the window but runs no loop of its own, which
// would hold a running drill's card until it closed.
void TestFolderChoice::theDialogReturnsAtOnce()
{
    FormFixture fixture;
    QTemporaryDir other;
    writeCards(other.filePath(u"d.txt"_s), {u"dog"_s});
    Form1 &form = fixture.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    folderChoice(form).action()->trigger();
    auto *dialog = form.findChild<QFileDialog *>(u"FolderDialog"_s);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->windowTitle(), u"問題ファイルのフォルダを選ぶ"_s);
    QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
    QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir::current().canonicalPath());
    dialog->setDirectory(other.path());
    static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
    QCOMPARE(listed(form), QStringList{u"d.txt"_s});
}

void TestFolderChoice::rememberedFolder_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("still there") << true;
    QTest::newRow("gone") << false;
}

void TestFolderChoice::rememberedFolder()
{
    QFETCH(bool, exists);
    QTemporaryDir other;
    writeCards(other.filePath(u"kept.txt"_s), {u"kept"_s});
    const QString remembered = exists ? other.path() : other.filePath(u"removed"_s);
    QSettings().setValue(u"extras/folder"_s, remembered);

    FormFixture fixture;
    fixture.writeFile(u"start.txt"_s, {u"one ワン 0 一つ"_s});
    Form1 &form = fixture.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    auto *notice = form.findChild<QMessageBox *>(u"FolderNotice"_s);

    if (exists) {
        QCOMPARE(listed(form), QStringList{u"kept.txt"_s});
        QVERIFY(form.windowTitle().endsWith(QDir::toNativeSeparators(QDir::currentPath())));
        QVERIFY(!notice);
        return;
    }
    QCOMPARE(listed(form), QStringList{u"start.txt"_s});
    QCOMPARE(form.windowTitle(), StartTitle);
    QVERIFY(!QSettings().contains(u"extras/folder"_s)); // forgotten: the notice says so once
    QVERIFY(notice);
    QTRY_VERIFY(notice->isVisible());
    QCOMPARE(notice->windowModality(), Qt::NonModal);
    QVERIFY2(notice->text().contains(QDir::toNativeSeparators(remembered)), qPrintable(notice->text()));
    QCOMPARE(notice->textFormat(), Qt::PlainText);
    const QRect card(form.Picture1->mapToGlobal(QPoint(0, 0)), form.Picture1->size());
    QVERIFY2(!notice->frameGeometry().intersects(card), "the notice covers no card text");
    notice->close();
}

QTEST_MAIN(TestFolderChoice)
#include "tst_folderchoice.moc"
