#include "core/store.h"

Schedule::Card cardFromLog(const QList<std::pair<QDate, ReviewOutcome>> &log)
{
    Schedule::Card card;
    for (const auto &[day, outcome] : log)
        card = Schedule::reviewed(card, day,
                                  outcome == ReviewOutcome::RightFirstTry ? Schedule::Grade::Good
                                                                          : Schedule::Grade::Again);
    return card;
}
