// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The file list and the load button.
#include "FormFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QStringList listed(const Form1 &form)
{
    QStringList names;
    for (int row = 0; row < form.File1->count(); ++row)
        names << form.File1->item(row)->text();
    return names;
}

QList<bool> startButtonStates(const Form1 &form)
{
    return {form.Command1->isEnabled(), form.Command3->isEnabled(), form.Command4->isEnabled(),
            form.Command5->isEnabled(), form.Command6->isEnabled()};
}

// Records the order in which buttons change their enabled state.
class EnableOrder : public QObject
{
public:
    QStringList changed;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange)
            changed << watched->objectName();
        return false;
    }
};

// Files and folders named in raw bytes, removed again by those bytes: the
// temporary folder's own clean-up goes through text and would leave them.
struct RawNames
{
    QByteArray folder; // ends in '/'
    QList<QByteArray> made;

    ~RawNames()
    {
        for (auto path = made.crbegin(); path != made.crend(); ++path)
            ::remove(path->constData());
    }
    bool writeFile(const QByteArray &name, const QByteArray &bytes)
    {
        made.append(folder + name);
        std::ofstream file(made.last().constData(), std::ios::binary);
        return bool(file.write(bytes.constData(), bytes.size()).flush());
    }
    bool makeFolder(const QByteArray &name)
    {
        made.append(folder + name);
        return ::mkdir(made.last().constData(), 0700) == 0;
    }
};

} // namespace

class TestForm1Load : public QObject
{
    Q_OBJECT

private slots:
    void listShowsQuestionFilesAndFollowsTheFolder();
    void loadFillsTheDeckAndEnablesTheStartButtons();
    void shorterLoadKeepsTheOlderRows();
    void emptyFileStillEnablesTheStartButtons();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void filesFromOtherMachines_data();
    void filesFromOtherMachines();
    void listFollowsAFolderWithAShiftJisName();
    void failedLoadMessageDoesNotHoldTheHandler();
    void failedLoadDuringADrillShowsItsMessage_data();
    void failedLoadDuringADrillShowsItsMessage();
};

void TestForm1Load::listShowsQuestionFilesAndFollowsTheFolder()
{
    FormFixture fixture;
    fixture.writeFile(u"b.txt"_s, {});
    fixture.writeFile(u"a.txt"_s, {});
    fixture.writeFile(u"notes.md"_s, {});
    QVERIFY(QDir(fixture.path(QString())).mkdir(u"folder.txt"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(fixture.path(u"pipe.txt"_s)).constData(), 0600), 0);
    Form1 &form = fixture.form();
    QCOMPARE(listed(form), (QStringList{u"a.txt"_s, u"b.txt"_s}));

    form.File1->setCurrentRow(1);
    fixture.writeFile(u"0-new.txt"_s, {});
    QTRY_COMPARE(listed(form), (QStringList{u"0-new.txt"_s, u"a.txt"_s, u"b.txt"_s}));
    QCOMPARE(form.File1->selectedName(), u"b.txt"_s); // the selection stays on its file
    QVERIFY(QFile::remove(fixture.path(u"a.txt"_s)));
    QTRY_COMPARE(listed(form), (QStringList{u"0-new.txt"_s, u"b.txt"_s}));
    QCOMPARE(form.File1->selectedName(), u"b.txt"_s);
}

void TestForm1Load::loadFillsTheDeckAndEnablesTheStartButtons()
{
    FormFixture fixture;
    fixture.writeFile(u"words.txt"_s, {u"apple アップル 0 りんご"_s, QString(), u" ヨミ 1 意味 extra"_s});
    Form1 &form = fixture.form();
    EnableOrder order;
    for (QPushButton *button : {form.Command1, form.Command3, form.Command4, form.Command5})
        button->installEventFilter(&order);
    fixture.load(u"words.txt"_s);

    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(form.CardCount, qint16(2));
    QCOMPARE(form.LineBuffer[1], u" ヨミ 1 意味 extra"_s);
    QCOMPARE(form.Deck[0], (Card{u"apple"_s, u"アップル"_s, u"0"_s, u"りんご"_s}));
    QCOMPARE(form.Deck[1], (Card{QString(), u"ヨミ"_s, u"1"_s, u"意味"_s}));
    QCOMPARE(order.changed, (QStringList{u"Command1"_s, u"Command4"_s, u"Command3"_s, u"Command5"_s}));
    QCOMPARE(startButtonStates(form), (QList<bool>{true, true, true, true, true}));
}

void TestForm1Load::shorterLoadKeepsTheOlderRows()
{
    FormFixture fixture;
    QStringList thirty, ten;
    for (int card = 0; card < 30; ++card)
        thirty << u"old%1 ヨミ 0 古い"_s.arg(card);
    for (int card = 0; card < 10; ++card)
        ten << u"new%1 ヨミ 0 新しい"_s.arg(card);
    fixture.writeFile(u"thirty.txt"_s, thirty);
    fixture.writeFile(u"ten.txt"_s, ten);
    Form1 &form = fixture.form();
    fixture.load(u"thirty.txt"_s);
    fixture.load(u"ten.txt"_s);
    QCOMPARE(form.CardCount, qint16(10));
    QCOMPARE(form.Deck[9][EnglishField], u"new9"_s);
    QCOMPARE(form.Deck[10][EnglishField], u"old10"_s);
    QCOMPARE(form.Deck[29][EnglishField], u"old29"_s);
    QCOMPARE(form.LineBuffer[29], thirty[29]);
    QCOMPARE(form.CardIndex, qint16(10));
}

void TestForm1Load::emptyFileStillEnablesTheStartButtons()
{
    FormFixture fixture;
    fixture.writeFile(u"empty.txt"_s, {});
    Form1 &form = fixture.form();
    fixture.load(u"empty.txt"_s);
    QVERIFY(fixture.errors.isEmpty());
    QCOMPARE(form.CardCount, qint16(0));
    QCOMPARE(startButtonStates(form), (QList<bool>{true, true, true, true, true}));
}

void TestForm1Load::failedLoadChangesNothing_data()
{
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("nothing selected") << QString() << u"選ばれていません"_s;
    QTest::newRow("too few fields") << u"short.txt"_s << u"3"_s;
    QTest::newRow("line too long") << u"long.txt"_s << u"2"_s;
    QTest::newRow("vanished") << u"gone.txt"_s << u"gone.txt"_s;
}

void TestForm1Load::failedLoadChangesNothing()
{
    QFETCH(QString, bad);
    QFETCH(QString, mentions);
    for (bool loadedBefore : {false, true}) {
        FormFixture fixture;
        fixture.writeFile(u"good.txt"_s, {u"one イチ 0 一"_s, u"two ツー 0 二"_s});
        fixture.writeFile(u"short.txt"_s, {u"a b c d"_s, QString(), u"a b c"_s});
        fixture.writeFile(u"long.txt"_s, {u"a b c d"_s, u"a b c "_s + QString(5000, u'x')});
        fixture.writeFile(u"gone.txt"_s, {u"a b c d"_s});
        Form1 &form = fixture.form();
        if (loadedBefore)
            fixture.load(u"good.txt"_s);
        const CardTable deck = form.Deck;
        const LineTable lines = form.LineBuffer;
        const qint16 count = form.CardCount;
        const QList<bool> buttons = startButtonStates(form);

        if (bad.isEmpty()) {
            form.File1->clearSelection();
            QTest::mouseClick(form.Command6, Qt::LeftButton);
        } else if (bad == u"gone.txt"_s) {
            form.File1->setCurrentItem(form.File1->findItems(bad, Qt::MatchExactly).first());
            QVERIFY(QFile::remove(fixture.path(bad)));
            QTest::mouseClick(form.Command6, Qt::LeftButton);
        } else {
            fixture.load(bad);
        }

        QCOMPARE(fixture.errors.size(), 1);
        QVERIFY2(fixture.errors.first().contains(mentions), qPrintable(fixture.errors.first()));
        QVERIFY(form.Deck == deck);
        QVERIFY(form.LineBuffer == lines);
        QCOMPARE(form.CardCount, count);
        QCOMPARE(startButtonStates(form), buttons);
    }
}

void TestForm1Load::filesFromOtherMachines_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("firstCard"); // empty when the load is refused
    QTest::addColumn<QString>("mentions");      // in the message of a refused load

    const QStringList card{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("Shift_JIS name") << QByteArray(
        "\x92\x50\x8C\xEA.txt") << QByteArray("apple \x83\x41\x83\x62\x83\x76\x83\x8B 1 \x82\xE8\x82\xF1\x82\xB2\r\n")
                                    << u"単語.txt"_s << QStringList{u"apple"_s, u"アップル"_s, u"1"_s, u"りんご"_s}
                                    << QString();
    QTest::newRow("name beyond Shift_JIS")
        << QByteArray("\x85\x40\x80.txt") << QByteArray("a b c d\n") << u"\uFFFD@\uFFFD.txt"_s << card << QString();
    QTest::newRow("upper-case suffix") << QByteArray("CAPS.TXT") << QByteArray("a b c d") << u"CAPS.TXT"_s << card
                                       << QString();
    QTest::newRow("end-of-file mark") << QByteArray("dos.txt") << QByteArray("a b c d\r\n\x1A") << u"dos.txt"_s << card
                                      << QString();
    QTest::newRow("tab-separated phrases")
        << QByteArray("phrases.txt")
        << u"give up\tギブアップ\t1\tあきらめる\r\nice cream\tアイスクリーム\t1\tアイスクリーム\r\n"_s.toUtf8()
        << u"phrases.txt"_s << QStringList{u"give up"_s, u"ギブアップ"_s, u"1"_s, u"あきらめる"_s} << QString();
    QTest::newRow("Latin-1 letter in UTF-8")
        << QByteArray("latin1.txt") << u"tea ティー 0 お茶\n"_s.toUtf8() + "caf\xE9 " + u"カフェ 0 喫茶店\n"_s.toUtf8()
        << u"latin1.txt"_s << QStringList() << u"2 行目に読めない文字"_s;
}

void TestForm1Load::filesFromOtherMachines()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QStringList, firstCard);
    QFETCH(QString, mentions);

    FormFixture fixture;
    RawNames raw{QFile::encodeName(fixture.path(QString())) + '/', {}};
    fixture.writeFile(u"good.txt"_s, {u"one イチ 0 一"_s});
    QVERIFY(raw.writeFile(name, bytes));
    Form1 &form = fixture.form();
    fixture.load(u"good.txt"_s);
    const CardTable before = form.Deck;
    QVERIFY2(listed(form).contains(shown), qPrintable(listed(form).join(u", ")));

    fixture.load(shown);
    if (mentions.isEmpty()) {
        QVERIFY2(fixture.errors.isEmpty(), qPrintable(fixture.errors.join(u'\n')));
        QCOMPARE(QStringList(form.Deck[0].begin(), form.Deck[0].end()), firstCard);
    } else {
        QCOMPARE(fixture.errors.size(), 1);
        QVERIFY2(fixture.errors.first().contains(mentions), qPrintable(fixture.errors.first()));
        QVERIFY(form.Deck == before);
        QCOMPARE(form.CardCount, qint16(1));
    }
}

void TestForm1Load::listFollowsAFolderWithAShiftJisName()
{
    FormFixture fixture;
    RawNames raw{QFile::encodeName(fixture.path(QString())) + '/', {}};
    const QByteArray folder = "\x92\x50\x8C\xEA"; // 単語
    QVERIFY(raw.makeFolder(folder));
    QVERIFY(raw.writeFile(folder + "/a.txt", "a b c d\n"));
    QCOMPARE(::chdir(QFile::encodeName(fixture.path(QString()) + u'/').append(folder).constData()), 0);

    Form1 &form = fixture.form();
    QCOMPARE(listed(form), QStringList{u"a.txt"_s});
    QVERIFY(raw.writeFile(folder + "/b.txt", "e f g h\n"));
    QTRY_COMPARE(listed(form), (QStringList{u"a.txt"_s, u"b.txt"_s}));
    fixture.load(u"b.txt"_s);
    QCOMPARE(form.Deck[0][EnglishField], u"e"_s);
}

void TestForm1Load::failedLoadMessageDoesNotHoldTheHandler()
{
    FormFixture fixture;
    fixture.writeFile(u"<b>short.txt"_s, {u"a b c"_s});
    Form1 &form = fixture.form();
    form.setErrorReporter({}); // the window's own message box, not the fixture's recorder
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.File1->setCurrentRow(0);

    // A box run with exec() is closed here, so the test fails instead of hanging.
    bool returned = false, held = false;
    QTimer::singleShot(0, &form, [&] {
        held = !returned;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); held && box)
            box->reject();
    });
    form.Command6_Click();
    returned = true;
    QVERIFY(!held);

    auto *box = form.findChild<QMessageBox *>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QVERIFY2(box->text().contains(u"「<b>short.txt」の 1 行目"_s), qPrintable(box->text()));
    box->accept();
    QTRY_VERIFY(!form.findChild<QMessageBox *>());
}

void TestForm1Load::failedLoadDuringADrillShowsItsMessage_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("clickInWait");
    QTest::addColumn<bool>("shownInItsWait");

    // The fake clock runs the drill at once; the room a box needs is judged
    // on the real clock, so a 1500 ms prompt has it and 150 ms waits never do.
    QTest::newRow("wait with room") << u"1"_s << 1 << true;
    QTest::newRow("short wait, more to come") << u"0.1"_s << 1 << false;
    QTest::newRow("short wait, the drill's last") << u"0.1"_s << 4 << false;
}

void TestForm1Load::failedLoadDuringADrillShowsItsMessage()
{
    QFETCH(QString, speed);
    QFETCH(int, clickInWait);
    QFETCH(bool, shownInItsWait);
    FormFixture fixture;
    fixture.writeFile(u"short.txt"_s, {u"a b c"_s});
    Form1 &form = fixture.loaded({u"a b c d"_s, u"e f g h"_s});
    form.setErrorReporter({});
    form.Check1->setChecked(true);
    form.Combo1->setEditText(speed);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    int waits = 0;
    bool boxInItsWait = !shownInItsWait;
    fixture.fakes.runEventsAndSleep([&] {
        if (++waits != clickInWait)
            return;
        form.File1->setCurrentItem(form.File1->findItems(u"short.txt"_s, Qt::MatchExactly).first());
        form.Command6->setEnabled(true); // as a nested drill's end leaves it
        QTest::mouseClick(form.Command6, Qt::LeftButton);
        boxInItsWait = form.findChild<QMessageBox *>() != nullptr;
    });
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(boxInItsWait, shownInItsWait);
    QCOMPARE(waits, 4); // the drill went on: both cards, prompt and answer
    QTRY_VERIFY(form.findChild<QMessageBox *>());
    QVERIFY2(form.findChild<QMessageBox *>()->text().contains(u"1 行目"_s),
             qPrintable(form.findChild<QMessageBox *>()->text()));
}

QTEST_MAIN(TestForm1Load)
#include "tst_form1_load.moc"
