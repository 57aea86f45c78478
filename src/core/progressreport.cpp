#include "core/progressreport.h"

ProgressReport progressReport(Store &store, const QList<WordPair> &pairs, QDate today)
{
    ProgressReport report;
    report.today = today;
    report.testDate = store.testDate();
    const QDate firstDay = today.addDays(1 - ProgressReport::PastDays);
    for (int i = 0; i < ProgressReport::PastDays; ++i)
        report.pastDays.append({firstDay.addDays(i)});
    for (int i = 0; i < ProgressReport::ComingDays; ++i)
        report.comingDays.append({today.addDays(i)});

    const QList<Schedule::Card> cards = store.cardsOf(pairs);
    const QList<PairHistory> histories = store.historyOf(pairs, firstDay);
    QList<WordPair> counted;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const Schedule::Card card = cards.value(i);
        const PairHistory history = histories.value(i);
        PairProgress row{pairs[i], history.total, card.last, Schedule::nextDue(card, today, report.testDate)};
        if (row.practised() && !card.isNew())
            row.recall = Schedule::recall(card, today);
        report.pairs.append(row);

        if (counted.contains(pairs[i]))
            continue;
        counted.append(pairs[i]);
        for (const auto &[day, tally] : history.days) {
            if (const qint64 index = firstDay.daysTo(day); index >= 0 && index < ProgressReport::PastDays) {
                report.pastDays[index].rightFirstTry += tally.rightFirstTry;
                report.pastDays[index].rest += tally.asked - tally.rightFirstTry;
            }
        }
        if (const qint64 index = today.daysTo(row.next); index < ProgressReport::ComingDays)
            ++report.comingDays[std::max<qint64>(index, 0)].pairs;
    }
    return report;
}
