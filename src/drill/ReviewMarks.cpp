// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReviewMarks.h"

#include "Logging.h"

#include <QMetaObject>

using namespace Qt::StringLiterals;

namespace lexiwren {

QString ReviewMarks::text(Mark mark)
{
    switch (mark) {
    case Mark::ForReview:
        return u"復習"_s;
    case Mark::Learned:
        return u"覚えた"_s;
    case Mark::None:
        break;
    }
    return {};
}

ReviewMarks::ReviewMarks(QObject *parent)
    : QObject(parent)
{
    // One thread, so the changes reach the file in the order they were asked for.
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    connect(this, &ReviewMarks::changeWritten, this, &ReviewMarks::finished, Qt::QueuedConnection);
}

ReviewMarks::~ReviewMarks()
{
    m_writer.waitForDone();
}

void ReviewMarks::deckLoaded(const QByteArray &questionFilePath)
{
    ++m_load;
    m_drillingReview = isReviewFile(questionFilePath);
    // Made absolute now: the working folder may change during a drill.
    m_target = m_drillingReview ? absoluteFilePath(questionFilePath) : reviewFilePath(questionFilePath);
    m_marked.clear();
    m_inView.reset();
}

void ReviewMarks::cardShown(const Card &card)
{
    m_inView = card;
}

ReviewMarks::Mark ReviewMarks::mark() const
{
    if (!m_inView || !m_marked.contains(*m_inView))
        return Mark::None;
    return m_drillingReview ? Mark::Learned : Mark::ForReview;
}

ReviewMarks::Mark ReviewMarks::toggle()
{
    if (!m_inView || m_target.isEmpty())
        return Mark::None;
    const Card card = *m_inView;
    const bool marked = !m_marked.contains(card);
    if (marked)
        m_marked.append(card);
    else
        m_marked.removeAll(card);

    // A mark on a review file's card takes it out; taking the mark back puts it in again.
    const bool addToFile = marked != m_drillingReview;
    m_asked.push_back({card, marked, m_load, m_target});
    const QByteArray path = m_target;
    const auto prepare = m_prepare;
    m_writer.start([this, path, card, addToFile, prepare] { writeChange(path, card, addToFile, prepare); });
    return mark();
}

// On the writing thread.
void ReviewMarks::writeChange(const QByteArray &path, const Card &card, bool addToFile,
                              const std::function<void(ReviewFile &)> &prepare)
{
    ReviewFile file(path);
    if (prepare)
        prepare(file);
    const ReviewOutcome outcome = addToFile ? file.add(card) : file.remove(card);
    {
        const QMutexLocker locker(&m_outcomesLock);
        m_outcomes.push_back(outcome);
    }
    emit changeWritten(); // queued to this object's own thread
}

// One thread writes the changes in the order asked, so each outcome is the oldest change's.
void ReviewMarks::finished()
{
    const Asked asked = m_asked.front();
    m_asked.pop_front();
    ReviewOutcome outcome;
    {
        const QMutexLocker locker(&m_outcomesLock);
        outcome = m_outcomes.front();
        m_outcomes.pop_front();
    }
    const Card &card = asked.card;
    const bool marked = asked.marked;
    const int load = asked.load;
    const QByteArray &path = asked.path;
    if (outcome.failed()) {
        // The card goes back to the mark the file still gives it, unless the
        // learner has changed it again since.
        const bool stillAsAsked = m_marked.contains(card) == marked;
        if (load == m_load && stillAsAsked) {
            if (marked)
                m_marked.removeAll(card);
            else
                m_marked.append(card);
            if (m_inView == card)
                emit markChanged(mark());
        }
        if (!m_warned.contains(path)) {
            m_warned.insert(path);
            qCWarning(lcDrill, "Review file \"%s\" not changed: %s", path.constData(),
                      qUtf8Printable(outcome.message(shownFileName(path))));
            emit problem(outcome.message(shownFileName(path)));
        }
    }
    if (m_asked.empty())
        emit settled();
}

void ReviewMarks::waitForWrites()
{
    m_writer.waitForDone();
}

} // namespace lexiwren
