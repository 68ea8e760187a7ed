// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A label whose text wraps inside its fixed rectangle, from its top left,
// with its lines close enough to fit there in any Japanese face.
#pragma once

#include <QLabel>

namespace lexiwren {

class WrappingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WrappingLabel(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lexiwren
