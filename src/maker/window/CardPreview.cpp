// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardPreview.h"

#include "drill/ShowReading.h"
#include "ui/AccentLine.h"
#include "ui/CardLabel.h"
#include "ui/Fonts.h"
#include "ui/FormLayout.h"

#include <QResizeEvent>

namespace lexiwren::maker {

namespace {

// The drill's card on about half its scale.
constexpr int ReadingTop = 8;
constexpr int ReadingHeight = 36;
constexpr int WordTop = 52;
constexpr int WordHeight = 72;
constexpr int MeaningTop = 128;
constexpr int MeaningHeight = 48;
constexpr int MarkWidth = 3;
constexpr int Margin = 8;

struct LabelLook
{
    QString name;
    QString accessibleName;
    FontFace face;
    qreal points;
    QColor background;
    QColor text;
};

CardLabel *cardLabel(QWidget *parent, const LabelLook &look)
{
    auto *label = new CardLabel(parent);
    label->setObjectName(look.name);
    label->setAccessibleName(look.accessibleName);
    label->setFont(makeFont(look.face, look.points));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, look.background);
    palette.setColor(QPalette::WindowText, look.text);
    label->setPalette(palette);
    return label;
}

} // namespace

CardPreview::CardPreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CardPreview"));
    setAccessibleName(QStringLiteral("ドリルでの見え方"));
    setMinimumSize(360, MeaningTop + MeaningHeight + Margin);
    QPalette card = palette();
    card.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0x80));
    setPalette(card);
    setAutoFillBackground(true);

    // Stacked as in the drill: the reading at the bottom, its mark over its
    // lower edge, then the meaning and the word.
    m_reading = cardLabel(this, {QStringLiteral("PreviewReading"), QStringLiteral("読み"), FontFace::Mincho, 24.0,
                                 QColor(0xFF, 0xFF, 0xC0), Qt::black});
    m_mark = new AccentLine(ReadingTop + ReadingHeight, MarkWidth, AccentLineColor, this);
    m_mark->setObjectName(QStringLiteral("PreviewMark"));
    m_meaning = cardLabel(this, {QStringLiteral("PreviewMeaning"), QStringLiteral("意味"), FontFace::Gothic, 28.0,
                                 QColor(0xFF, 0xFF, 0x80), QColor(0x00, 0x00, 0xFF)});
    m_word = cardLabel(this, {QStringLiteral("PreviewWord"), QStringLiteral("英単語"), FontFace::ProportionalMincho,
                              40.0, QColor(0xFF, 0xFF, 0x80), Qt::black});
    clear();
}

void CardPreview::showDraft(const Draft &draft)
{
    m_word->setText(draft.english);
    m_reading->setText(draft.reading);
    m_meaning->setText(draft.meaning);
    m_accent = draft.accent;
    // Shown as the drill shows it with the reading on: an empty reading too
    // gets its mark, which is why such a row is flagged.
    m_mark->show();
    placeMark();
}

void CardPreview::clear()
{
    m_word->clear();
    m_reading->clear();
    m_meaning->clear();
    m_accent.clear();
    m_mark->hide();
}

void CardPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int width = event->size().width() - 2 * Margin;
    m_reading->setGeometry(Margin, ReadingTop, width, ReadingHeight);
    m_word->setGeometry(Margin, WordTop, width, WordHeight);
    m_meaning->setGeometry(Margin, MeaningTop, width, MeaningHeight);
    placeMark();
}

// As the drill places its mark: the reading label's own character cells,
// the drill's rule for the span, the far end following the near one.
void CardPreview::placeMark()
{
    const CardLabel::Cells cells = m_reading->characterCells();
    ReadingGeometry geometry{cells.edges, cells.fullWidth};
    for (qreal &edge : geometry.edges)
        edge += m_reading->x();
    const AccentSpan span = accentSpan(geometry, m_accent);
    m_mark->setX1(span.x1);
    m_mark->setX2(m_mark->x1() + (span.x2 - span.x1));
}

} // namespace lexiwren::maker
