// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Card text as it appears on the screen: the accent mark under the right
// characters, and text that always fits its label.
#include "FormFixture.h"
#include "ui/CardLabel.h"
#include "ui/FormLayout.h"
#include "ui/PictureBox.h"

#include <QCheckBox>
#include <QImage>

using namespace lexiwren;
using namespace Qt::StringLiterals;

namespace {

struct Span
{
    int left;
    int right; // inclusive
};

// Column runs of ink inside a band of rows, separated by blank columns.
QList<Span> inkRuns(const QImage &image, QRect band, QRgb background)
{
    QList<Span> runs;
    bool inRun = false;
    for (int x = band.left(); x <= band.right(); ++x) {
        bool ink = false;
        for (int y = band.top(); y <= band.bottom() && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < qGray(background) - 40;
        if (ink && !inRun)
            runs.append({x, x});
        if (ink)
            runs.last().right = x;
        inRun = ink;
    }
    return runs;
}

Span redSpan(const QImage &image, int y)
{
    Span span{-1, -1};
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == qRgb(255, 0, 0)) {
            if (span.left < 0)
                span.left = x;
            span.right = x;
        }
    }
    return span;
}

bool overlaps(Span a, Span b)
{
    return a.left <= b.right && b.left <= a.right;
}

} // namespace

class TestCardImage : public QObject
{
    Q_OBJECT

private slots:
    void accentMarkUnderTheRightCharacters_data();
    void accentMarkUnderTheRightCharacters();
    void textThatFitsKeepsItsSize();
    void wideTextShrinksToFit_data();
    void wideTextShrinksToFit();
};

void TestCardImage::accentMarkUnderTheRightCharacters_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<int>>("marked");
    const QString four = u"ロロロロ"_s;
    QTest::newRow("2") << four << u"2"_s << QList<int>{2};
    QTest::newRow("23") << four << u"23"_s << QList<int>{2, 3};
    QTest::newRow("10") << four << u"10"_s << QList<int>{1};
    QTest::newRow("11") << four << u"11"_s << QList<int>{1, 2};
    QTest::newRow("0") << four << u"0"_s << QList<int>{0};
    QTest::newRow("empty") << four << QString() << QList<int>{0};
    QTest::newRow("+12") << four << u"+12"_s << QList<int>{0, 1};
    QTest::newRow("long reading, 1") << QString(16, u'ロ') << u"1"_s << QList<int>{1};
    QTest::newRow("longer than the label, 12") << QString(20, u'ロ') << u"12"_s << QList<int>{1, 2};
}

void TestCardImage::accentMarkUnderTheRightCharacters()
{
    QFETCH(QString, reading);
    QFETCH(QString, code);
    QFETCH(QList<int>, marked);

    FormFixture fixture;
    fixture.writeFile(u"card.txt"_s, {u"word "_s + reading + u' ' + code + u" 意味"_s});
    Form1 &form = fixture.form();
    fixture.load(u"card.txt"_s);
    form.Check3->setChecked(true);
    form.show();
    QImage shot;
    fixture.fakes.runEventsAndSleep([&] { shot = form.Picture1->grab().toImage(); });
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(!shot.isNull());

    const QRect label = form.Label6->geometry();
    const QList<Span> characters = inkRuns(shot, QRect(label.left(), label.top(), label.width(), 52),
                                           qRgb(255, 255, 192));
    QCOMPARE(characters.size(), reading.size());
    const Span mark = redSpan(shot, AccentLineY);
    QVERIFY2(mark.left >= 0, "no accent mark on the screen");
    for (int index = 0; index < characters.size(); ++index) {
        const Span character = characters[index];
        const QString where = u"character %1 at %2..%3, mark %4..%5"_s.arg(index)
                                  .arg(character.left)
                                  .arg(character.right)
                                  .arg(mark.left)
                                  .arg(mark.right);
        if (marked.contains(index))
            QVERIFY2(mark.left <= character.left && mark.right >= character.right, qPrintable(where));
        else
            QVERIFY2(!overlaps(mark, character), qPrintable(where));
    }
}

void TestCardImage::textThatFitsKeepsItsSize()
{
    FormFixture fixture;
    Form1 &form = fixture.form();
    form.Label2->setFont([&] {
        QFont font = form.Label2->font();
        font.setPixelSize(200); // 150 points
        return font;
    }());
    form.Label2->setText(u"apple"_s);
    QCOMPARE(form.Label2->drawnFont().pixelSize(), 200);
    form.Label7->setText(u"りんご"_s);
    QCOMPARE(form.Label7->drawnFont().pixelSize(), 120);
}

void TestCardImage::wideTextShrinksToFit_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("long English word") << u"Label2"_s << u"internationalization"_s;
    QTest::newRow("long meaning") << u"Label7"_s << u"国際化すること、国際的なものにすること"_s;
    QTest::newRow("long reading") << u"Label6"_s << u"コミュニケーションアビリティーズ"_s;
}

void TestCardImage::wideTextShrinksToFit()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    FormFixture fixture;
    Form1 &form = fixture.form();
    auto *card = form.Picture1->findChild<CardLabel *>(label);
    QFont big = card->font();
    big.setPixelSize(label == u"Label2"_s ? 200 : big.pixelSize());
    card->setFont(big);
    card->setText(text);

    const QFont drawn = card->drawnFont();
    QVERIFY(drawn.pixelSize() < big.pixelSize());
    QVERIFY(QFontMetricsF(drawn).horizontalAdvance(text) <= card->width());
    QFont oneBigger = drawn;
    oneBigger.setPixelSize(drawn.pixelSize() + 1);
    QVERIFY2(QFontMetricsF(oneBigger).horizontalAdvance(text) > card->width(), "just small enough, no smaller");

    // On the screen: ink near both ends, none cut at the edges.
    card->raise();
    card->show();
    const QImage image = card->grab().toImage();
    const QList<Span> runs = inkRuns(image, QRect(0, 0, image.width(), image.height()),
                                     card->palette().color(QPalette::Window).rgb());
    QVERIFY(!runs.isEmpty());
    QVERIFY2(runs.first().left > 0 && runs.last().right < image.width() - 1, "text touches the label's edge");
    QVERIFY2(runs.first().left < image.width() / 10 && runs.last().right > image.width() * 9 / 10,
             "a fitted text spans the label");
}

QTEST_MAIN(TestCardImage)
#include "tst_cardimage.moc"
