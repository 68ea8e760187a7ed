// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include "AccentLine.h"
#include "CardLabel.h"
#include "FileList.h"
#include "Form1.h"
#include "PictureBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lexiwren {

namespace {

// On Linux Qt names an editable combo box by its text and leaves the name set
// on it unheard, so a screen reader would say the speed box's value ("1")
// where it should say 速さ. This interface is Qt's own for a combo box (its
// role, its list and text as children, the popup as its action) except that
// a name given to the box is its name, and its text its value.
class NamedComboBox : public QAccessibleWidget
{
public:
    explicit NamedComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text;
        if (kind == QAccessible::Name)
            text = comboBox()->accessibleName();
        if (text.isEmpty() && (kind == QAccessible::Name || kind == QAccessible::Value))
            text = comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
        if (kind == QAccessible::Accelerator)
            text = QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        return text.isEmpty() ? QAccessibleWidget::text(kind) : text;
    }

    int childCount() const override { return comboBox()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox()->view());
        if (index == 1 && comboBox()->isEditable())
            return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == comboBox()->view())
            return 0;
        if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QLineEdit *line = comboBox()->lineEdit();
        if (line && QRect(line->mapToGlobal(QPoint(0, 0)), line->size()).contains(x, y))
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
};

// Asked with the most derived class's name first, so it answers before Qt's own.
QAccessibleInterface *namedComboBoxFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box ? new NamedComboBox(box) : nullptr;
}

} // namespace

void nameControls(Form1 &form)
{
    // Before any name is set: a screen reader that asks first would get
    // Qt's own interface for the speed box, and keep it.
    static const bool comboBoxesNamed = [] {
        QAccessible::installFactory(namedComboBoxFactory);
        return true;
    }();
    Q_UNUSED(comboBoxesNamed);

    for (QAbstractButton *button : form.findChildren<QAbstractButton *>())
        button->setAccessibleName(button->text().trimmed());
    for (QLabel *label : form.findChildren<QLabel *>())
        label->setAccessibleName(label->text().trimmed());

    form.File1->setAccessibleName(QStringLiteral("問題ファイル一覧"));
    form.Combo1->setAccessibleName(QStringLiteral("速さ"));
    // The speed box's text holds the focus, and a screen reader names what has it.
    form.Combo1->lineEdit()->setAccessibleName(form.Combo1->accessibleName());
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
