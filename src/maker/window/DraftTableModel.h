// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The drafted cards as the maker's table shows and edits them: one row a
// card, the four fields of a question-file line and the reasons to check it.
#pragma once

#include "maker/Draft.h"

#include <QAbstractTableModel>
#include <QColor>

namespace lexiwren::maker {

class DraftTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { EnglishColumn, ReadingColumn, AccentColumn, MeaningColumn, CheckColumn, ColumnCount };
    // The accent code of a row, for the reading column's mark.
    static constexpr int AccentRole = Qt::UserRole + 1;
    static constexpr int FlaggedRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    void setDrafts(QList<Draft> drafts);
    const QList<Draft> &drafts() const { return m_drafts; }
    int flaggedCount() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QList<Draft> m_drafts;
};

// The background of a row the learner should check; its 確認 text says why.
inline const QColor FlaggedRowColor{0xFF, 0xE0, 0xB0};

// The flags of a card as one line of text, empty when there are none.
QString flagsText(const QList<Flag> &flags);

} // namespace lexiwren::maker
