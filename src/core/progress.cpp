#include "core/progress.h"

#include "core/session.h"

namespace {
// A store that cannot keep the answers is told of once per run.
void tellOnce(Session &session, const StoreOutcome &outcome)
{
    if (!outcome.ok() && !std::exchange(session.reviewProblemTold, true))
        session.dialogs().inform(QStringLiteral("Svaren kan inte sparas i programmets minne: ") +
                                 outcome.error);
}
} // namespace

void recordAnswer(Session &session, const WordPair &pair, bool englishShown, ReviewOutcome outcome,
                  const QString &typed)
{
    tellOnce(session,
             session.store().recordReview({session.clock().moment(), pair, englishShown, outcome, typed}));
    emit session.progressChanged();
}

void carryHistory(Session &session, const WordPair &from, const WordPair &to)
{
    tellOnce(session, session.store().renamePair(from, to));
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

void forgetProgress(Session &session)
{
    if (!session.dialogs().askYesNoDefaultNo(
            QStringLiteral("Vill du glömma allt som programmet minns om glosorna i listan?")))
        return;
    if (const StoreOutcome outcome = session.store().forget(session.list().pairs()); outcome.ok())
        emit session.progressChanged();
    else
        session.dialogs().inform(QStringLiteral("Framstegen kan inte glömmas: ") + outcome.error);
}
