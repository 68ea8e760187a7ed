// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A drafting engine for the maker window's tests: a few known words, a plain
// draft for any other, and a token that lives as long as the engine does.
#pragma once

#include "maker/window/DraftingEngine.h"

#include <QHash>
#include <QThread>

#include <atomic>
#include <memory>

namespace lexiwren::maker {

struct FakeEngine
{
    QHash<QString, Draft> known{
        {QStringLiteral("apple"),
         {QStringLiteral("apple"), QStringLiteral("アップル"), QStringLiteral("1"), QStringLiteral("りんご"), {}}},
        {QStringLiteral("record"),
         {QStringLiteral("record"),
          QStringLiteral("レコード"),
          QStringLiteral("1"),
          QStringLiteral("記録、レコード"),
          {Flag::SeveralPronunciations}}},
        {QStringLiteral("zzxq"),
         {QStringLiteral("zzxq"), QString(), QString(), QString(), {Flag::NotInDictionaries, Flag::NoMeaning}}},
    };
    QString error;               // when set, loading fails with it
    int millisecondsPerWord = 0; // a slow dictionary
    std::weak_ptr<int> held;     // the last engine's token
    std::atomic<int> loads = 0;
    std::atomic<Qt::HANDLE> loadThread = nullptr;
    std::atomic<Qt::HANDLE> draftThread = nullptr;

    EngineLoader loader()
    {
        return [this](const std::function<void(int)> &progress, QString *failure) -> DraftFunction {
            ++loads;
            loadThread = QThread::currentThreadId();
            progress(40);
            progress(100);
            if (!error.isEmpty()) {
                *failure = error;
                return {};
            }
            auto token = std::make_shared<int>(0);
            held = token;
            return [this, token](const QString &word) {
                draftThread = QThread::currentThreadId();
                if (millisecondsPerWord > 0)
                    QThread::msleep(static_cast<unsigned long>(millisecondsPerWord));
                return known.value(
                    word,
                    Draft{word, QStringLiteral("ワード"), QStringLiteral("0"), QStringLiteral("意味 ") + word, {}});
            };
        };
    }
};

} // namespace lexiwren::maker
