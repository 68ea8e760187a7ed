// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader sees: a name for every control, the card texts as a
// drill shows them, and every control within reach of the keyboard.
#include "FormFixture.h"
#include "ui/CardLabel.h"
#include "ui/PictureBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void aDrillIsAnnouncedCardByCard();
    void keyboardReachesAndPressesControls();
    void speedBoxIsNamedThenValued();
};

void TestAccessibility::everyControlHasAName()
{
    FormFixture fixture;
    Form1 &form = fixture.form();
    const QList<QPair<QWidget *, QString>> names = {
        {form.Command1, u"スタート"_s},
        {form.Command4, u"ランダム スタート"_s},
        {form.Command2, u"終了"_s},
        {form.Command6, u"問題読込"_s},
        {form.Check1, u"答えあり"_s},
        {form.Check2, u"音なし"_s},
        {form.Check3, u"発音あり"_s},
        {form.Label1, u"ソラモク"_s},
        {form.Label5, u"Speed"_s},
        {form.Label3[1], u"和→英"_s},
        {form.File1, u"問題ファイル一覧"_s},
        {form.Picture1, u"カード"_s},
        {form.Label2, u"英単語"_s},
        {form.Label7, u"意味"_s},
        {form.Label6, u"読み"_s},
    };
    for (const auto &[widget, name] : names)
        QCOMPARE(accessibleName(widget), name);
    QCOMPARE(form.Combo1->accessibleName(), u"速さ"_s);
    const auto labels = QAccessible::queryAccessibleInterface(form.Combo1)->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels.first().first->object(), form.Label5);
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Command5)->text(QAccessible::Description), u"和→英"_s);
    // Every control that takes focus, and so can be reached by a screen reader's user.
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
}

void TestAccessibility::aDrillIsAnnouncedCardByCard()
{
    FormFixture fixture;
    fixture.writeFile(u"two.txt"_s, {u"one ワン 0 一つ"_s, u"two ツー 0 二つ"_s});
    Form1 &form = fixture.form();
    fixture.load(u"two.txt"_s);
    form.Check1->setChecked(true);
    form.Check3->setChecked(true);

    // What a screen reader finds on the card area at each wait.
    QStringList heard;
    fixture.fakes.runEventsAndSleep([&] {
        QStringList now;
        for (QWidget *widget : {static_cast<QWidget *>(form.Picture1), static_cast<QWidget *>(form.Label2),
                                static_cast<QWidget *>(form.Label6), static_cast<QWidget *>(form.Label7)}) {
            if (widget->isVisible())
                now << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        }
        heard << now.join(u'|');
    });
    form.show();
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QCOMPARE(heard, (QStringList{u"No. 1 全 2問|one|ワン|"_s, u"No. 1 全 2問||一つ"_s, u"No. 2 全 2問|two|ツー|一つ"_s,
                                 u"No. 2 全 2問||二つ"_s}));
}

void TestAccessibility::keyboardReachesAndPressesControls()
{
    FormFixture fixture;
    fixture.writeFile(u"one.txt"_s, {u"one ワン 0 一つ"_s});
    Form1 &form = fixture.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    form.File1->setFocus(Qt::TabFocusReason); // selects the file under the cursor
    QCOMPARE(form.File1->selectedName(), u"one.txt"_s);
    QTest::keyClick(form.File1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Command6);
    QTest::keyClick(form.Command6, Qt::Key_Return);
    QCOMPARE(form.CardCount, qint16(1));

    QTest::keyClick(form.Command6, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.Check3);
    QTest::keyClick(form.Check3, Qt::Key_Space);
    QVERIFY(form.Check3->isChecked());

    form.Command1->setFocus();
    QTest::keyClick(form.Command1, Qt::Key_Space);
    QCOMPARE(form.Label2->text(), u"one"_s);
    QCOMPARE(form.Label6->text(), u"ワン"_s);
}

// Qt alone names the editable speed box by its value on Linux: a screen
// reader heard "1" and never 速さ.
void TestAccessibility::speedBoxIsNamedThenValued()
{
    FormFixture fixture;
    Form1 &form = fixture.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(form.Combo1);
    QCOMPARE(box->role(), QAccessible::ComboBox);
    QCOMPARE(box->text(QAccessible::Name), u"速さ"_s);
    QCOMPARE(box->text(QAccessible::Value), u"1"_s);

    // What has the focus when the learner types a speed.
    QLineEdit *speedText = form.Combo1->lineEdit();
    speedText->selectAll();
    QTest::keyClicks(speedText, u"2.5"_s);
    QCOMPARE(box->text(QAccessible::Name), u"速さ"_s);
    QCOMPARE(box->text(QAccessible::Value), u"2.5"_s);
    QCOMPARE(accessibleName(speedText), u"速さ"_s);

    // Still a combo box to a screen reader: its list and text, its popup.
    QCOMPARE(box->childCount(), 2);
    QCOMPARE(box->child(0)->object(), form.Combo1->view());
    QCOMPARE(box->child(1)->object(), speedText);
    QCOMPARE(box->indexOfChild(box->child(1)), 1);
    QCOMPARE(box->childAt(speedText->mapToGlobal(QPoint(2, 2)).x(), speedText->mapToGlobal(QPoint(2, 2)).y()),
             box->child(1));
    QVERIFY(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    box->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(form.Combo1->view()->isVisible());
    box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!form.Combo1->view()->isVisible());

    // A combo box given no name keeps Qt's: its value.
    QComboBox unnamed;
    unnamed.addItems({u"一"_s, u"二"_s});
    unnamed.setCurrentIndex(1);
    QCOMPARE(QAccessible::queryAccessibleInterface(&unnamed)->text(QAccessible::Name), u"二"_s);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
