// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include "AccentLine.h"
#include "CardLabel.h"
#include "FileList.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace lexiwren {

void nameControls(Form1 &form)
{
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>())
        button->setAccessibleName(button->text().trimmed());
    for (QLabel *label : form.findChildren<QLabel *>())
        label->setAccessibleName(label->text().trimmed());

    form.File1->setAccessibleName(QStringLiteral("問題ファイル一覧"));
    form.Combo1->setAccessibleName(QStringLiteral("速さ"));
    // Where a combo box's name is its value, the caption beside it names it.
    form.Label5->setBuddy(form.Combo1);
    form.Picture1->setAccessibleName(QStringLiteral("カード"));
    form.Label2->setAccessibleName(QStringLiteral("英単語"));
    form.Label7->setAccessibleName(QStringLiteral("意味"));
    form.Label6->setAccessibleName(QStringLiteral("読み"));

    // Two buttons read "スタート" and two "ランダム スタート": the caption above
    // them tells them apart on screen, the description does for a screen reader.
    const QString englishFirst = form.Label3[0]->text();
    const QString meaningFirst = form.Label3[1]->text();
    form.Command1->setAccessibleDescription(englishFirst);
    form.Command4->setAccessibleDescription(englishFirst);
    form.Command3->setAccessibleDescription(meaningFirst);
    form.Command5->setAccessibleDescription(meaningFirst);

    for (AccentLine *line : {form.Line1, form.Line2, form.Line3})
        line->setAccessibleName(QStringLiteral("アクセント"));

    // The meaning label starts covered by the word: there is nothing to read in it yet.
    announce(form.Label2, form.Label2->text());
    announce(form.Label6, form.Label6->text());
}

void announce(QWidget *widget, const QString &shown)
{
    if (widget->accessibleDescription() == shown)
        return;
    widget->setAccessibleDescription(shown);
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace lexiwren
