// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The cards the learner marks during drills of the loaded file: which card
// is in view, whether it is marked, and the mark its header shows. A mark on
// a card of a question file puts it in that file's review file; a mark on a
// card of a review file takes it out of that file. The file is written on a
// thread of its own, so a mark never holds up the next card.
#pragma once

#include "deck/Card.h"
#include "deck/ReviewFile.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QThreadPool>

#include <deque>
#include <functional>
#include <optional>

namespace lexiwren {

class ReviewMarks : public QObject
{
    Q_OBJECT
public:
    enum class Mark { None, ForReview, Learned };
    Q_ENUM(Mark)
    // What the header shows for a mark: "復習", "覚えた", or nothing.
    static QString text(Mark mark);

    explicit ReviewMarks(QObject *parent = nullptr);
    // Waits for the changes still being written.
    ~ReviewMarks() override;

    // A file was loaded from path (file system bytes, relative to the working
    // folder as it is now): its marks start afresh.
    void deckLoaded(const QByteArray &questionFilePath);
    // The card whose header is up.
    void cardShown(const Card &card);
    // Marks the card in view, or takes its mark back; returns its mark now.
    // Nothing happens before a file is loaded and a card shown.
    Mark toggle();
    // The mark of the card in view.
    Mark mark() const;

    // The file a mark changes: the review file, or the loaded file itself
    // when that is a review file. Empty before a load.
    const QByteArray &targetPath() const { return m_target; }
    bool drillingReviewFile() const { return m_drillingReview; }

    // Blocks until every change asked for has been written; for tests and
    // the program's end.
    void waitForWrites();
    // Runs on the writing thread with each ReviewFile before its change, so
    // that a test can set its seams.
    void setFilePreparer(std::function<void(ReviewFile &)> prepare) { m_prepare = std::move(prepare); }

signals:
    // The card in view lost the mark it was given, because its change could not be written.
    void markChanged(lexiwren::ReviewMarks::Mark mark);
    // A change could not be written; once for each file, for the learner.
    void problem(const QString &message);
    // Every change asked for so far has been written or has failed.
    void settled();
    // From the writing thread: the oldest change asked for is done.
    void changeWritten();

private:
    void writeChange(const QByteArray &path, const Card &card, bool addToFile,
                     const std::function<void(ReviewFile &)> &prepare);
    void finished();

    struct Asked
    {
        Card card;
        bool marked = false;
        int load = 0;
        QByteArray path;
    };

    QByteArray m_target;
    bool m_drillingReview = false;
    int m_load = 0; // a change finished after a newer load concerns another file
    std::optional<Card> m_inView;
    QList<Card> m_marked; // in the order marked
    QSet<QByteArray> m_warned;
    std::deque<Asked> m_asked; // oldest first
    QMutex m_outcomesLock;     // the writing thread puts outcomes in, this thread takes them out
    std::deque<ReviewOutcome> m_outcomes;
    std::function<void(ReviewFile &)> m_prepare;
    QThreadPool m_writer;
};

} // namespace lexiwren
