// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The review file of a question file: the cards the learner marked during a
// drill, one line each, in a question file of its own next to the deck
// ("words.txt" gets "words-復習.txt"). Every change re-reads the file under a
// lock and replaces it whole, so two copies of the program never lose each
// other's cards and a crash leaves the old file or the new one.
#pragma once

#include "Card.h"
#include "QuestionFile.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <functional>

namespace lexiwren {

// The path made absolute against the working folder as it is now.
QByteArray absoluteFilePath(const QByteArray &path);
// The review file of the question file at path (file system bytes), made
// absolute against the working folder as it is now.
QByteArray reviewFilePath(const QByteArray &questionFilePath);
// True when the file at path is itself a review file.
bool isReviewFile(const QByteArray &path);
// The file's bare name as the learner reads it, whatever its bytes.
QString shownFileName(const QByteArray &path);

// A card as a line that reads back as the same four fields: cut at spaces,
// or at tabs when a field holds a space.
QString reviewLine(const Card &card);

struct ReviewOutcome
{
    enum class Kind {
        Added,
        Removed,
        Unchanged,    // the card was already in (or already out of) the file
        FileRemoved,  // the last card went out, and the file with it
        CannotWrite,  // the folder or the disk refused; detail says why
        NotQuestions, // the file is there but the reader refuses it; left alone
        Interrupted,  // the write stopped before the rename (the test seam)
    };
    Kind kind = Kind::Unchanged;
    QString detail;            // the system's reason, for CannotWrite
    QuestionFileError refusal; // the reader's, for NotQuestions

    bool failed() const { return kind == Kind::CannotWrite || kind == Kind::NotQuestions || kind == Kind::Interrupted; }
    // For a failure, the learner's message in Japanese, naming the file.
    QString message(const QString &fileName) const;
};

class ReviewFile
{
public:
    explicit ReviewFile(QByteArray path);

    const QByteArray &path() const { return m_path; }

    // Puts the card at the end of the file unless it is there already,
    // making the file when there is none.
    ReviewOutcome add(const Card &card);
    // Takes the card's line out; the file goes when no card is left in it.
    ReviewOutcome remove(const Card &card);

    // The cards in the file now, in its order; empty when there is none.
    QList<Card> cards() const;

    // How long a change waits for another writer's lock before it gives up.
    void setLockTimeout(std::chrono::milliseconds timeout) { m_lockTimeout = timeout; }
    // Runs once the new file is written and synced, before it replaces the old
    // one; returning false stops there, as a crash would.
    void setBeforeRename(std::function<bool()> hook) { m_beforeRename = std::move(hook); }

private:
    enum class Change { Add, Remove };
    ReviewOutcome change(Change what, const Card &card);

    QByteArray m_path;
    std::chrono::milliseconds m_lockTimeout{10000};
    std::function<bool()> m_beforeRename;
};

} // namespace lexiwren
