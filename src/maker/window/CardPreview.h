// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The selected card as a drill shows it: the reading with its red accent
// mark, the English word in large type and the meaning, on the drill's
// colours, with the drill's own card labels and accent line.
#pragma once

#include "maker/Draft.h"

#include <QWidget>

namespace lexiwren {
class AccentLine;
class CardLabel;
} // namespace lexiwren

namespace lexiwren::maker {

class CardPreview : public QWidget
{
    Q_OBJECT
public:
    explicit CardPreview(QWidget *parent = nullptr);

    void showDraft(const Draft &draft);
    void clear();

    CardLabel *word() const { return m_word; }
    CardLabel *reading() const { return m_reading; }
    CardLabel *meaning() const { return m_meaning; }
    AccentLine *mark() const { return m_mark; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMark();

    CardLabel *m_reading;
    AccentLine *m_mark;
    CardLabel *m_word;
    CardLabel *m_meaning;
    QString m_accent;
};

} // namespace lexiwren::maker
