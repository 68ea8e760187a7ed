// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlFactory.h"

#include "AccentLine.h"
#include "CardLabel.h"
#include "CommandButton.h"
#include "FileList.h"
#include "Form1.h"
#include "PictureBox.h"
#include "WrappingLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace lexiwren {

namespace {

// Name, font and rectangle, which every control takes from its row.
template<typename Widget>
Widget *placed(Widget *widget, const ControlRow &row)
{
    widget->setObjectName(QLatin1StringView(row.name));
    widget->setFont(makeFont(row.face, row.points, row.italic));
    widget->setGeometry(toPixels(row.twips));
    return widget;
}

// Labels, check boxes and the drawing area draw their text in WindowText over
// their background role (Window, or Button for a check box); the speed box
// and the file list draw in Text over Base, which they fill themselves.
void applyColors(QWidget *widget, const ControlRow &row, QPalette::ColorRole backgroundRole,
                 QPalette::ColorRole textRole = QPalette::WindowText)
{
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, row.background);
    palette.setColor(textRole, row.textColor);
    widget->setPalette(palette);
    widget->setAutoFillBackground(backgroundRole != QPalette::Base);
}

template<typename Widget>
Widget *colored(Widget *widget, const ControlRow &row)
{
    applyColors(widget, row, widget->backgroundRole());
    return widget;
}

QLabel *makeSizedLabel(const ControlRow &row, QWidget *parent)
{
    auto *label = placed(new QLabel(row.text, parent), row);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->adjustSize(); // keeps the top-left corner
    return colored(label, row);
}

QComboBox *makeSpeedBox(const ControlRow &row, QWidget *parent)
{
    auto *combo = placed(new QComboBox(parent), row);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The last entry has no number: its speed value is 0 and a drill flashes through.
    combo->addItems({QStringLiteral("0.2"), QStringLiteral("0.5"), QStringLiteral("0.7"), QStringLiteral("1"),
                     QStringLiteral("1.5"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QString()});
    combo->setCurrentIndex(-1);
    combo->setEditText(row.text);
    applyColors(combo, row, QPalette::Base, QPalette::Text);
    return combo;
}

void make(Form1 &form, QLabel *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = makeSizedLabel(row, parent);
}

void make(Form1 &form, Label3Element element, const ControlRow &row, QWidget *parent)
{
    (form.*element.array)[element.index] = makeSizedLabel(row, parent);
}

void make(Form1 &form, WrappingLabel *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = colored(placed(new WrappingLabel(row.text, parent), row), row);
}

void make(Form1 &form, CardLabel *Form1::*member, const ControlRow &row, QWidget *parent)
{
    auto *label = placed(new CardLabel(parent), row);
    label->setText(row.text);
    form.*member = colored(label, row);
}

void make(Form1 &form, QPushButton *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = placed(new CommandButton(row.text, row.background, row.textColor, parent), row);
}

void make(Form1 &form, QCheckBox *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = colored(placed(new QCheckBox(row.text, parent), row), row);
}

void make(Form1 &form, QComboBox *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = makeSpeedBox(row, parent);
}

void make(Form1 &form, FileList *Form1::*member, const ControlRow &row, QWidget *parent)
{
    auto *list = placed(new FileList(parent), row);
    applyColors(list, row, QPalette::Base, QPalette::Text);
    form.*member = list;
}

void make(Form1 &form, PictureBox *Form1::*member, const ControlRow &row, QWidget *parent)
{
    form.*member = colored(placed(new PictureBox(parent), row), row);
}

} // namespace

void createControl(Form1 &form, const ControlRow &row, QWidget *parent)
{
    std::visit([&](auto member) { make(form, member, row, parent); }, row.member);
}

void createLine(Form1 &form, const LineRow &row, QWidget *parent)
{
    auto *line = new AccentLine(AccentLineY, AccentLineWidth, AccentLineColor, parent);
    line->setObjectName(QLatin1StringView(row.name));
    line->setX1(static_cast<float>(row.x1));
    line->setX2(static_cast<float>(row.x2));
    form.*row.member = line;
}

} // namespace lexiwren
