// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlFactory.h"

#include "CardLabel.h"
#include "CommandButton.h"
#include "FileList.h"
#include "PictureBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace lexiwren {

namespace {

void applyColors(QWidget *widget, const ControlRow &row, QPalette::ColorRole backgroundRole)
{
    QPalette palette = widget->palette();
    if (row.background.isValid()) {
        palette.setColor(backgroundRole, row.background);
        widget->setAutoFillBackground(backgroundRole != QPalette::Base);
    }
    // WindowText only: a check box draws its tick in Text, which stays dark.
    if (row.textColor.isValid())
        palette.setColor(QPalette::WindowText, row.textColor);
    widget->setPalette(palette);
}

QLabel *makeLabel(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(row.text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.kind == ControlKind::WrappingLabel);
    return label;
}

QComboBox *makeSpeedBox(const ControlRow &row, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The last entry has no number: its speed value is 0 and a drill flashes through.
    combo->addItems({QStringLiteral("0.2"), QStringLiteral("0.5"), QStringLiteral("0.7"), QStringLiteral("1"),
                     QStringLiteral("1.5"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QString()});
    combo->setCurrentIndex(-1);
    combo->setEditText(row.text);
    return combo;
}

QWidget *makeWidget(const ControlRow &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::AutoSizeLabel:
    case ControlKind::WrappingLabel:
        return makeLabel(row, parent);
    case ControlKind::CardLabel: {
        auto *label = new CardLabel(parent);
        label->setText(row.text);
        return label;
    }
    case ControlKind::Button:
        return new CommandButton(row.text, row.background, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(row.text, parent);
    case ControlKind::SpeedBox:
        return makeSpeedBox(row, parent);
    case ControlKind::FileList:
        return new FileList(parent);
    case ControlKind::Picture:
        return new PictureBox(parent);
    }
    return nullptr;
}

// A list fills its viewport with Base; check boxes fill with Button, labels with Window.
QPalette::ColorRole backgroundRoleOf(const QWidget *widget, ControlKind kind)
{
    return kind == ControlKind::FileList ? QPalette::Base : widget->backgroundRole();
}

} // namespace

QWidget *createControl(const ControlRow &row, QWidget *parent)
{
    QWidget *widget = makeWidget(row, parent);
    widget->setObjectName(QLatin1StringView(row.name));
    widget->setFont(makeFont(row.face, row.points, row.italic));
    if (row.kind != ControlKind::Button)
        applyColors(widget, row, backgroundRoleOf(widget, row.kind));
    const QRect pixels = toPixels(row.twips);
    if (row.kind == ControlKind::AutoSizeLabel) {
        widget->move(pixels.topLeft());
        widget->adjustSize();
    } else {
        widget->setGeometry(pixels);
    }
    return widget;
}

} // namespace lexiwren
