// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A random source that returns a scripted list of values, then repeats the last.
#pragma once

#include "platform/RandomSource.h"

#include <QList>

namespace lexiwren {

class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<float> values = {0.0f})
        : m_values(std::move(values))
    {
    }

    void seed(std::uint32_t value) override { seeds.append(value); }

    float next() override
    {
        ++draws;
        if (m_values.isEmpty())
            return 0.0f;
        return m_next < m_values.size() ? m_values[m_next++] : m_values.back();
    }

    void script(QList<float> values)
    {
        m_values = std::move(values);
        m_next = 0;
    }

    QList<std::uint32_t> seeds;
    int draws = 0;

private:
    QList<float> m_values;
    qsizetype m_next = 0;
};

} // namespace lexiwren
