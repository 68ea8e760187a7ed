// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The start screen: every control in its place, colour, text and font.
#include "fakes/FakePlatform.h"
#include "ui/AccentLine.h"
#include "ui/CardLabel.h"
#include "ui/FileList.h"
#include "ui/Form1.h"
#include "ui/FormLayout.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

// A point inside a control, clear of its text, its border and a check box's
// indicator, in window pixels.
QPoint clearPointOf(const QWidget *widget, const QWidget *window)
{
    return widget->mapTo(window, QPoint(widget->width() - 4, 2));
}

} // namespace

class TestForm1Layout : public QObject
{
    Q_OBJECT

private slots:
    void windowIsFixedAndCaptioned();
    void controlsStandInTheirRectangles();
    void coloursOnTheScreen();
    void wordLabelHidesTheMeaning();
    void textsAndFonts();
    void speedBoxListsTheSpeeds();
    void focusFollowsTheTabOrder();
    void startButtonsDisabledAtStartUp();
    void labelsShowPlainText();
};

void TestForm1Layout::windowIsFixedAndCaptioned()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    QCOMPARE(form.windowTitle(), u"【 Lexiwren! 】"_s);
    QCOMPARE(form.size(), QSize(1031, 695));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(fakes.random.seeds.size(), 1);
    QVERIFY2(fakes.random.seeds.first() < 24u * 3600u * 1000u, "the seed is the time of day, not the date");
}

void TestForm1Layout::controlsStandInTheirRectangles()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    for (const QList<ControlRow> *table : {&windowControls(), &pictureControls()}) {
        for (const ControlRow &row : *table) {
            const auto *widget = form.findChild<QWidget *>(QLatin1StringView(row.name));
            QVERIFY2(widget, row.name);
            const QRect expected = toPixels(row.twips);
            if (row.kind == ControlKind::AutoSizeLabel) {
                QCOMPARE(widget->pos(), expected.topLeft());
                const QSize text = QFontMetrics(widget->font()).size(0, qobject_cast<const QLabel *>(widget)->text());
                QVERIFY2(widget->width() >= text.width() && widget->width() <= text.width() + 4, row.name);
                QVERIFY2(widget->height() >= text.height() && widget->height() <= text.height() + 4, row.name);
            } else {
                QCOMPARE(widget->geometry(), expected);
            }
        }
    }
    QCOMPARE(form.Line1->geometry(), QRect(40, 158, 48, 5));
    QCOMPARE(form.Line3->geometry(), QRect(552, 158, 48, 5));
}

void TestForm1Layout::coloursOnTheScreen()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    const QImage shot = form.grab().toImage();
    const auto colourAt = [&](QPoint at) { return QColor(shot.pixel(at)).name(); };

    QCOMPARE(colourAt({2, 2}), u"#008000"_s);
    QCOMPARE(colourAt({1025, 690}), u"#008000"_s);
    const QList<QPair<QWidget *, QString>> faces = {
        {form.Label1, u"#00ff00"_s},   {form.Command2, u"#ffc080"_s}, {form.Command1, u"#ffff00"_s},
        {form.Command4, u"#ffff80"_s}, {form.Command3, u"#00ffff"_s}, {form.Command5, u"#80ffff"_s},
        {form.Command6, u"#80ff80"_s}, {form.File1, u"#80ff80"_s},    {form.Check1, u"#008000"_s},
        {form.Picture1, u"#ffff80"_s}, {form.Label6, u"#ffffc0"_s},   {form.Label2, u"#ffff80"_s},
    };
    for (const auto &[widget, colour] : faces)
        QVERIFY2(colourAt(clearPointOf(widget, &form)) == colour,
                 qPrintable(widget->objectName() + u" shows "_s + colourAt(clearPointOf(widget, &form))));

    // The three red lines, 5 pixels wide at y = 160, over the reading's bottom edge.
    const QPoint picture = form.Picture1->mapTo(&form, QPoint(0, 0));
    for (int x : {40, 87, 320, 367, 552, 599}) {
        for (int y = 158; y <= 162; ++y)
            QCOMPARE(colourAt(picture + QPoint(x, y)), u"#ff0000"_s);
        QVERIFY(colourAt(picture + QPoint(x, 157)) != u"#ff0000"_s);
        QVERIFY(colourAt(picture + QPoint(x, 163)) != u"#ff0000"_s);
    }
    QVERIFY(form.Line1->geometry().intersects(form.Label6->geometry()));
}

void TestForm1Layout::wordLabelHidesTheMeaning()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    const QImage before = form.Picture1->grab().toImage();
    form.Label7->setText(u"まだ見えてはいけない意味"_s);
    QCOMPARE(form.Picture1->grab().toImage(), before);
    form.Label2->hide();
    QVERIFY2(form.Picture1->grab().toImage() != before, "with the word hidden, the meaning shows");
}

void TestForm1Layout::textsAndFonts()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    QCOMPARE(form.Label2->text(), u"Lexiwren!"_s);
    QCOMPARE(form.Label6->text(), u"レキシレン"_s);
    QCOMPARE(form.Label7->text(), u"Label7"_s);
    QCOMPARE(form.Command4->text(), u" ランダム スタート"_s);
    QCOMPARE(form.Label4->text(), u"　問題ファイルを選んで，読み込みましょう。"_s);
    QVERIFY(form.Label4->wordWrap());

    // Sizes in pixels at 96 dpi, whatever the screen says.
    QCOMPARE(form.Label2->font().pixelSize(), 117);
    QCOMPARE(form.Label7->font().pixelSize(), 120);
    QCOMPARE(form.Label6->font().pixelSize(), 64);
    QCOMPARE(form.Label1->font().pixelSize(), 48);
    QCOMPARE(form.Combo1->font().pixelSize(), 19);
    QCOMPARE(form.Command1->font().pixelSize(), 27);
    QVERIFY(form.Label5->font().italic());
    QVERIFY(!form.Label1->font().italic());

    // Every card face resolves to a font that has Japanese glyphs.
    for (const QWidget *widget : {static_cast<QWidget *>(form.Label6), static_cast<QWidget *>(form.Label7),
                                  static_cast<QWidget *>(form.Label1), static_cast<QWidget *>(form.Command1)}) {
        const QFontMetrics metrics(widget->font());
        QVERIFY2(metrics.inFont(u'ア') && metrics.inFont(u'問'),
                 qPrintable(widget->objectName() + u": "_s + QFontInfo(widget->font()).family()));
    }
    QVERIFY2(QFontInfo(form.Label6->font()).fixedPitch()
                 || QFontMetrics(form.Label6->font()).horizontalAdvance(u'ア') == 64,
             "the reading's katakana are one cell each");
}

void TestForm1Layout::speedBoxListsTheSpeeds()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    QVERIFY(form.Combo1->isEditable());
    QCOMPARE(form.Combo1->currentText(), u"1"_s);
    QStringList items;
    for (int i = 0; i < form.Combo1->count(); ++i)
        items << form.Combo1->itemText(i);
    QCOMPARE(items.mid(0, 8), (QStringList{u"0.2"_s, u"0.5"_s, u"0.7"_s, u"1"_s, u"1.5"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(items.size(), 9);
    QVERIFY(!items[8].contains(QRegularExpression(u"[0-9]"_s)));

    QTest::keyClicks(form.Combo1, u"x"_s); // typing is accepted
    QCOMPARE(form.Combo1->currentText(), u"1x"_s);
}

void TestForm1Layout::focusFollowsTheTabOrder()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    form.Command1->setEnabled(true); // disabled buttons are skipped, so enable them all
    form.Command3->setEnabled(true);
    form.Command4->setEnabled(true);
    form.Command5->setEnabled(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Picture1->setFocus();
    QStringList visited{form.focusWidget()->objectName()};
    for (int step = 0; step < 11; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget(); // the combo box's line edit
        visited << (focused ? focused->objectName() : QString());
    }
    QCOMPARE(visited,
             (QStringList{u"Picture1"_s, u"Command1"_s, u"Command2"_s, u"Combo1"_s, u"Check1"_s, u"Check2"_s,
                          u"Command3"_s, u"Command4"_s, u"Command5"_s, u"File1"_s, u"Command6"_s, u"Check3"_s}));
}

void TestForm1Layout::startButtonsDisabledAtStartUp()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    for (QPushButton *start : {form.Command1, form.Command3, form.Command4, form.Command5})
        QVERIFY2(!start->isEnabled(), qPrintable(start->objectName()));
    QVERIFY(form.Command6->isEnabled());
    QVERIFY(form.Command2->isEnabled());
}

void TestForm1Layout::labelsShowPlainText()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    for (const QLabel *label : form.findChildren<QLabel *>())
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
}

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
