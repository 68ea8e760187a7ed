// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window looks the same on every desktop: a dark palette changes none
// of its colours, text of several lines fits its control in the Japanese
// faces at hand, at any scale, and the toolkit's own texts are Japanese.
#include "FormFixture.h"
#include "ui/PictureBox.h"
#include "ui/ToolkitTexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

// What a dark desktop theme hands the program: light text on dark faces.
QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                                     QPalette::ToolTipText, QPalette::HighlightedText})
        dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    return dark;
}

class ApplicationPalette
{
public:
    explicit ApplicationPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~ApplicationPalette() { QApplication::setPalette(m_previous); }
    ApplicationPalette(const ApplicationPalette &) = delete;
    ApplicationPalette &operator=(const ApplicationPalette &) = delete;

private:
    QPalette m_previous = QApplication::palette();
};

struct Look
{
    QImage window;
    QImage speedList; // the speed box's drop-down list, open
};

Look lookOf(Form1 &form)
{
    form.show();
    QCoreApplication::processEvents();
    Look look{form.grab().toImage(), {}};
    form.Combo1->showPopup();
    QAbstractItemView *list = form.Combo1->view();
    if (QTest::qWaitForWindowExposed(list->window()))
        look.speedList = list->grab().toImage();
    form.Combo1->hidePopup();
    return look;
}

} // namespace

class TestForm1Look : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void darkPaletteChangesNoColour_data();
    void darkPaletteChangesNoColour();
    void linesFitTheirControl_data();
    void linesFitTheirControl();
    void speedBoxMenuInJapanese();
};

void TestForm1Look::initTestCase()
{
    // The program's own start-up step, whatever the machine's locale.
    QVERIFY(installJapaneseToolkitTexts());
}

void TestForm1Look::darkPaletteChangesNoColour_data()
{
    QTest::addColumn<bool>("darkFirst");
    QTest::newRow("dark before the window is made") << true;
    QTest::newRow("dark while the window is open") << false;
}

void TestForm1Look::darkPaletteChangesNoColour()
{
    QFETCH(bool, darkFirst);

    FormFixture fixture;
    fixture.writeFile(u"words.txt"_s, {u"apple アップル 1 りんご"_s});
    FakePlatform lightFakes;
    Form1 light(lightFakes.platform());
    light.Picture1->drawText(u"No.   1"_s);
    const Look expected = lookOf(light);
    QVERIFY(!expected.speedList.isNull());

    std::unique_ptr<ApplicationPalette> dark;
    if (darkFirst)
        dark = std::make_unique<ApplicationPalette>(darkPalette());
    Form1 &form = fixture.form();
    form.Picture1->drawText(u"No.   1"_s);
    if (!darkFirst)
        dark = std::make_unique<ApplicationPalette>(darkPalette());
    QCOMPARE(QApplication::palette().color(QPalette::Base), QColor(0x1E, 0x1E, 0x1E));

    const Look shown = lookOf(form);
    QCOMPARE(shown.window, expected.window);
    QVERIFY2(shown.speedList == expected.speedList, "the speed list changed");
}

void TestForm1Look::linesFitTheirControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("border"); // a button's frame, in pixels at 1×
    QTest::addColumn<QColor>("background");

    for (int scale : {1, 2}) {
        const QByteArray at = " at " + QByteArray::number(scale) + "x";
        QTest::newRow("Label4" + at) << u"Label4"_s << scale << 0 << QColor(0x00, 0x80, 0x00);
        QTest::newRow("Command4" + at) << u"Command4"_s << scale << 1 << QColor(0xFF, 0xFF, 0x80);
        QTest::newRow("Command5" + at) << u"Command5"_s << scale << 1 << QColor(0x80, 0xFF, 0xFF);
    }
}

void TestForm1Look::linesFitTheirControl()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, border);
    QFETCH(QColor, background);

    FakePlatform fakes;
    Form1 form(fakes.platform());
    auto *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    // Painted as on a screen of that scale: glyphs are drawn at scale × their size.
    QImage image(control->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    control->render(&image);

    const QRect inside = QRect(QPoint(0, 0), image.size())
                             .adjusted(border * scale, border * scale, -border * scale, -border * scale);
    const auto inkInRows = [&](int top, int bottom) {
        int ink = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x)
                ink += image.pixel(x, y) == background.rgb() ? 0 : 1;
        }
        return ink;
    };
    // The last line is there, in the lower half, and whole: the last row
    // holds none of it.
    QVERIFY2(inkInRows(inside.center().y(), inside.bottom() - scale) > 0, "no text in the lower half");
    const int lastRow = inkInRows(inside.bottom() - scale + 1, inside.bottom());
    QVERIFY2(lastRow == 0, qPrintable(u"%1 text pixels in the last row"_s.arg(lastRow)));
}

void TestForm1Look::speedBoxMenuInJapanese()
{
    FakePlatform fakes;
    Form1 form(fakes.platform());
    const std::unique_ptr<QMenu> menu(form.Combo1->lineEdit()->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0); // without the shortcut
    }
    QCOMPARE(texts, (QStringList{u"元に戻す(&U)"_s, u"やり直す(&R)"_s, u"切り取り(&T)"_s, u"コピー(&C)"_s,
                                 u"貼り付け(&P)"_s, u"削除"_s, u"すべてを選択"_s}));
}

QTEST_MAIN(TestForm1Look)
#include "tst_form1_look.moc"
