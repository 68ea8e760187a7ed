// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DraftTableModel.h"

#include <QFont>

#include <algorithm>
#include <type_traits>

namespace lexiwren::maker {

namespace {

template<typename D>
auto *field(D &draft, int column)
{
    using Text = std::conditional_t<std::is_const_v<D>, const QString, QString>;
    Text *none = nullptr;
    switch (column) {
    case DraftTableModel::EnglishColumn:
        return &draft.english;
    case DraftTableModel::ReadingColumn:
        return &draft.reading;
    case DraftTableModel::AccentColumn:
        return &draft.accent;
    case DraftTableModel::MeaningColumn:
        return &draft.meaning;
    default:
        return none;
    }
}

} // namespace

QString flagsText(const QList<Flag> &flags)
{
    QStringList texts;
    for (const Flag flag : flags)
        texts << flagText(flag);
    return texts.join(u'、');
}

void DraftTableModel::setDrafts(QList<Draft> drafts)
{
    beginResetModel();
    m_drafts = std::move(drafts);
    endResetModel();
}

int DraftTableModel::flaggedCount() const
{
    return static_cast<int>(
        std::count_if(m_drafts.cbegin(), m_drafts.cend(), [](const Draft &draft) { return !draft.flags.isEmpty(); }));
}

int DraftTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_drafts.size());
}

int DraftTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DraftTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_drafts.size())
        return {};
    const Draft &draft = m_drafts[index.row()];
    const bool flagged = !draft.flags.isEmpty();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        if (index.column() == CheckColumn)
            return flagged ? QStringLiteral("要確認：") + flagsText(draft.flags) : QString();
        return *field(draft, index.column());
    case Qt::ToolTipRole:
        return index.column() == CheckColumn && flagged ? flagsText(draft.flags) : QVariant();
    case Qt::BackgroundRole:
        return flagged ? QVariant(FlaggedRowColor) : QVariant();
    case Qt::FontRole:
        if (index.column() == CheckColumn && flagged) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case AccentRole:
        return draft.accent;
    case FlaggedRole:
        return flagged;
    default:
        return {};
    }
}

QVariant DraftTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical) {
        // A flagged row says so in its number too, for a reader who does not see the colour.
        const bool flagged = section < m_drafts.size() && !m_drafts[section].flags.isEmpty();
        return flagged ? QStringLiteral("！%1").arg(section + 1) : QString::number(section + 1);
    }
    static const QString titles[ColumnCount] = {QStringLiteral("英単語"), QStringLiteral("読み"),
                                                QStringLiteral("アクセント"), QStringLiteral("意味"),
                                                QStringLiteral("確認")};
    return section >= 0 && section < ColumnCount ? titles[section] : QVariant();
}

Qt::ItemFlags DraftTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != CheckColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

// A field's spaces at either end would only make a different card of the
// line once saved, so they go; the flags stay until the next draft.
bool DraftTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_drafts.size())
        return false;
    QString *target = field(m_drafts[index.row()], index.column());
    if (!target)
        return false;
    const QString text = value.toString().trimmed();
    if (*target == text)
        return true;
    *target = text;
    emit dataChanged(index, index);
    // The reading's mark follows its accent code.
    if (index.column() == AccentColumn)
        emit dataChanged(index.siblingAtColumn(ReadingColumn), index.siblingAtColumn(ReadingColumn));
    return true;
}

} // namespace lexiwren::maker
