// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The start screen: every control in its place, colour, text and font. The
// figures are the layout's own, written out here (twips ÷ 15 = pixels), so
// that a slip in the window's layout table shows.
#include "FormFixture.h"
#include "ui/AccentLine.h"
#include "ui/CardLabel.h"
#include "ui/PictureBox.h"
#include "ui/WrappingLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

QWidget *controlNamed(Form1 &form, const QString &name)
{
    auto *widget = form.findChild<QWidget *>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}

// Where a control draws its text, in the control's pixels.
QRect textAreaOf(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->lineEdit()->geometry();
    if (qobject_cast<QCheckBox *>(widget))
        return widget->rect().adjusted(20, 0, 0, 0); // right of the indicator
    return widget->rect();
}

QHash<QRgb, int> coloursIn(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    return counts;
}

// The colour that covers most of the area.
QColor mostOf(const QHash<QRgb, int> &counts)
{
    QRgb most = 0;
    int largest = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > largest) {
            most = it.key();
            largest = it.value();
        }
    }
    return QColor(most);
}

enum class Face { PGothic, PMincho, Mincho };

// The Japanese faces of the layout, and the faces that may stand in for them.
QStringList familiesFor(Face face)
{
    switch (face) {
    case Face::PGothic:
        return {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"IPAGothic"_s};
    case Face::PMincho:
        return {u"ＭＳ Ｐ明朝"_s, u"MS PMincho"_s, u"IPAPMincho"_s, u"IPAMincho"_s};
    case Face::Mincho:
        break;
    }
    return {u"ＭＳ 明朝"_s, u"MS Mincho"_s, u"IPAMincho"_s};
}

} // namespace

class TestForm1Layout : public QObject
{
    Q_OBJECT

private slots:
    void windowIsFixedAndCaptioned();
    void controlsStandInTheirRectangles_data();
    void controlsStandInTheirRectangles();
    void accentLinesStraddleTheReading();
    void coloursOnTheScreen_data();
    void coloursOnTheScreen();
    void fonts_data();
    void fonts();
    void wordLabelHidesTheMeaning();
    void texts();
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

void TestForm1Layout::controlsStandInTheirRectangles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels"); // inside Picture1 for the card labels
    QTest::addColumn<bool>("sizedToText");

    const auto row = [](const char *name, QRect pixels, bool sizedToText = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << pixels << sizedToText;
    };
    row("Label1", {16, 16, 369, 48}, true);
    row("Label5", {736, 16, 42, 16}, true);
    row("Combo1", {736, 32, 81, 27});
    row("Command2", {904, 24, 105, 41});
    row("Picture1", {8, 80, 1009, 465});
    row("Label3_0", {24, 560, 48, 16}, true);
    row("Label3_1", {288, 560, 48, 16}, true);
    row("Command1", {24, 584, 105, 81});
    row("Command4", {144, 584, 105, 81});
    row("Command3", {288, 584, 105, 81});
    row("Command5", {408, 584, 105, 81});
    row("Check3", {568, 584, 81, 17});
    row("Check1", {568, 616, 97, 17});
    row("Check2", {568, 648, 81, 17});
    row("File1", {704, 576, 185, 102});
    row("Label4", {896, 576, 105, 49});
    row("Command6", {896, 632, 105, 41});
    row("Label2", {16, 184, 977, 273});
    row("Label7", {32, 230, 961, 153});
    row("Label6", {24, 96, 969, 65});
    row("PauseMark", {420, 35, 96, 32}, true); // the extras' pause mark, hidden until paused
}

void TestForm1Layout::controlsStandInTheirRectangles()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(bool, sizedToText);

    FakePlatform fakes;
    Form1 form(fakes.platform());
    const QWidget *widget = controlNamed(form, name);
    if (!sizedToText) {
        QCOMPARE(widget->geometry(), pixels);
        return;
    }
    // A label sized to its text keeps only its top-left corner.
    QCOMPARE(widget->pos(), pixels.topLeft());
    const QSize text = QFontMetrics(widget->font()).size(0, qobject_cast<const QLabel *>(widget)->text());
    QVERIFY2(widget->width() >= text.width() && widget->width() <= text.width() + 4,
             qPrintable(u"%1 wide for %2"_s.arg(widget->width()).arg(text.width())));
    QVERIFY2(widget->height() >= text.height() && widget->height() <= text.height() + 4,
             qPrintable(u"%1 high for %2"_s.arg(widget->height()).arg(text.height())));
}

void TestForm1Layout::accentLinesStraddleTheReading()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    // 5 pixels wide, centred on y = 160 of Picture1: one pixel above the reading's bottom edge.
    QCOMPARE(form.Line1->geometry(), QRect(40, 158, 48, 5));
    QCOMPARE(form.Line2->geometry(), QRect(320, 158, 48, 5));
    QCOMPARE(form.Line3->geometry(), QRect(552, 158, 48, 5));
    QCOMPARE(form.Label6->geometry().bottom(), 160);

    const QImage shot = form.grab().toImage();
    const QPoint picture = form.Picture1->mapTo(&form, QPoint(0, 0));
    for (int x : {40, 87, 320, 367, 552, 599}) {
        for (int y = 158; y <= 162; ++y)
            QCOMPARE(QColor(shot.pixel(picture + QPoint(x, y))).name(), u"#ff0000"_s);
        QCOMPARE(QColor(shot.pixel(picture + QPoint(x, 157))).name(), u"#ffffc0"_s); // the reading
        QCOMPARE(QColor(shot.pixel(picture + QPoint(x, 163))).name(), u"#ffff80"_s); // the card area
    }
}

void TestForm1Layout::coloursOnTheScreen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");

    const auto row = [](const char *name, QRgb background, QRgb text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QColor(background) << QColor(text);
    };
    row("Label1", 0x00FF00, 0x0000FF);
    row("Label5", 0x008000, 0xFFFFFF);
    row("Combo1", 0xFFFFFF, 0x000000);
    row("Command2", 0xFFC080, 0x000000);
    row("Picture1", 0xFFFF80, 0x000000);
    row("Label3_0", 0x008000, 0xFFFFFF);
    row("Label3_1", 0x008000, 0xFFFFFF);
    row("Command1", 0xFFFF00, 0x000000);
    row("Command4", 0xFFFF80, 0x000000);
    row("Command3", 0x00FFFF, 0x000000);
    row("Command5", 0x80FFFF, 0x000000);
    row("Check3", 0x008000, 0xFFFFFF);
    row("Check1", 0x008000, 0xFFFFFF);
    row("Check2", 0x008000, 0xFFFFFF);
    row("File1", 0x80FF80, 0x000000);
    row("Label4", 0x008000, 0xFFFFFF);
    row("Command6", 0x80FF80, 0x000000);
    row("Label2", 0xFFFF80, 0x000000);
    row("Label7", 0xFFFF80, 0x0000FF);
    row("Label6", 0xFFFFC0, 0x000000);
}

void TestForm1Layout::coloursOnTheScreen()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    FormFixture fixture;
    fixture.writeFile(u"words.txt"_s, {u"apple アップル 1 りんご"_s});
    Form1 &form = fixture.form();
    // Enabled, so that the start buttons show their captions in full colour.
    for (QPushButton *start : {form.Command1, form.Command3, form.Command4, form.Command5})
        start->setEnabled(true);
    form.Picture1->setDrawingPosition({0, 0});
    form.Picture1->drawText(u"No.   1"_s); // the drawn header, above the reading

    QWidget *widget = controlNamed(form, name);
    // Each control on its own: the meaning label lies under the word label.
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The header is drawn at the top left of the card area, clear of the reading.
    const QRect area = name == u"Picture1"_s ? QRect(0, 0, 200, 40) : textAreaOf(widget);
    const QHash<QRgb, int> colours = coloursIn(shot, area);
    QCOMPARE(mostOf(colours).name(), background.name());
    // Large and small text alike has some pixels fully inside its strokes.
    QVERIFY2(colours.value(text.rgb()) > 0, qPrintable(u"no text in "_s + text.name()));
}

void TestForm1Layout::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Face>("face");
    QTest::addColumn<int>("pixels"); // points at 96 dpi
    QTest::addColumn<bool>("italic");

    const auto row = [](const char *name, Face face, int pixels, bool italic = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << face << pixels << italic;
    };
    row("Label1", Face::PGothic, 48);       // 36 pt
    row("Label5", Face::PGothic, 16, true); // 12 pt
    row("Combo1", Face::PGothic, 19);       // 14.25 pt
    row("Command2", Face::PGothic, 19);     // 14.25 pt
    row("Picture1", Face::PGothic, 64);     // 48 pt
    row("Label3_0", Face::PGothic, 16);     // 12 pt
    row("Label3_1", Face::PGothic, 16);     // 12 pt
    row("Command1", Face::PGothic, 27);     // 20.25 pt
    row("Command4", Face::PGothic, 24);     // 18 pt
    row("Command3", Face::PGothic, 27);     // 20.25 pt
    row("Command5", Face::PGothic, 24);     // 18 pt
    row("Check3", Face::PGothic, 16);       // 12 pt
    row("Check1", Face::PGothic, 16);       // 12 pt
    row("Check2", Face::PGothic, 16);       // 12 pt
    row("File1", Face::PGothic, 16);        // 12 pt
    row("Label4", Face::PGothic, 16);       // 12 pt
    row("Command6", Face::PGothic, 16);     // 12 pt
    row("Label2", Face::PMincho, 117);      // 87.75 pt
    row("Label7", Face::PGothic, 120);      // 90 pt
    row("Label6", Face::Mincho, 64);        // 48 pt
    row("PauseMark", Face::PGothic, 32);    // 24 pt
}

void TestForm1Layout::fonts()
{
    QFETCH(QString, name);
    QFETCH(Face, face);
    QFETCH(int, pixels);
    QFETCH(bool, italic);

    FakePlatform fakes;
    Form1 form(fakes.platform());
    const QFont font = controlNamed(form, name)->font();
    // Sizes in pixels at 96 dpi, whatever the screen says.
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.weight(), QFont::Normal);
    const QString family = QFontInfo(font).family();
    QVERIFY2(familiesFor(face).contains(family), qPrintable(family));
    const QFontMetrics metrics(font);
    QVERIFY2(metrics.inFont(u'ア') && metrics.inFont(u'問'), qPrintable(family));
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

void TestForm1Layout::texts()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    const QList<QPair<QString, QString>> texts = {
        {u"Label1"_s, u"ソラモク"_s},
        {u"Label5"_s, u"Speed"_s},
        {u"Command2"_s, u"終了"_s},
        {u"Label3_0"_s, u"英→和"_s},
        {u"Label3_1"_s, u"和→英"_s},
        {u"Command1"_s, u"スタート"_s},
        {u"Command4"_s, u" ランダム スタート"_s},
        {u"Command3"_s, u"スタート"_s},
        {u"Command5"_s, u" ランダム スタート"_s},
        {u"Check3"_s, u"発音あり"_s},
        {u"Check1"_s, u"答えあり"_s},
        {u"Check2"_s, u"音なし"_s},
        {u"Label4"_s, u"　問題ファイルを選んで，読み込みましょう。"_s},
        {u"Command6"_s, u"問題読込"_s},
        {u"Label2"_s, u"Lexiwren!"_s},
        {u"Label7"_s, u"Label7"_s},
        {u"Label6"_s, u"レキシレン"_s},
    };
    for (const auto &[name, text] : texts) {
        QWidget *widget = controlNamed(form, name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QAbstractButton *>(widget)->text(), text);
    }
    QVERIFY(form.Label4->wordWrap());
    for (const QCheckBox *box : {form.Check1, form.Check2, form.Check3})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
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
