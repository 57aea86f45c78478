#include "core/progress.h"

#include "core/session.h"

void recordAnswer(Session &session, const WordPair &pair, bool englishShown, ReviewOutcome outcome,
                  const QString &typed)
{
    const StoreOutcome stored =
        session.store().recordReview({session.clock().moment(), pair, englishShown, outcome, typed});
    if (!stored.ok() && !std::exchange(session.reviewProblemTold, true))
        session.dialogs().inform(QStringLiteral("Svaren kan inte sparas i programmets minne: ") +
                                 stored.error);
}

void carryHistory(Session &session, const WordPair &from, const WordPair &to)
{
    const StoreOutcome moved = session.store().renamePair(from, to);
    if (!moved.ok() && !std::exchange(session.reviewProblemTold, true))
        session.dialogs().inform(QStringLiteral("Svaren kan inte sparas i programmets minne: ") +
                                 moved.error);
}

QList<WordPair> todaysPairs(Session &session)
{
    const QList<WordPair> &pairs = session.list().pairs();
    const QList<Schedule::Card> cards = session.store().cardsOf(pairs);
    const QDate today = session.clock().moment().date();
    const QDate test = session.store().testDate();
    QList<WordPair> due;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (Schedule::dueOn(cards.value(i), today, test) && !due.contains(pairs[i]))
            due.append(pairs[i]);
    }
    return due;
}
