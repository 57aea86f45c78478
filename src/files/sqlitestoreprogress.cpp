// The store's progress: the review log, each pair's card and the test date.
#include "files/sqlitestore.h"

Schedule::Card SqliteStore::card(const WordPair &pair, SqlError &error)
{
    Schedule::Card card;
    SqlStatement find =
        m_db.prepare("SELECT stability, difficulty, last_day, due_day, reviews, lapses FROM card "
                     "WHERE swedish = ? AND english = ?",
                     error);
    if (!error && find.bind(1, pair.swedish).bind(2, pair.english).next(error)) {
        card.stability = find.real(0);
        card.difficulty = find.real(1);
        card.last = QDate::fromJulianDay(find.integer(2));
        card.due = QDate::fromJulianDay(find.integer(3));
        card.reviews = int(find.integer(4));
        card.lapses = int(find.integer(5));
    }
    return card;
}

QString SqliteStore::putCard(const WordPair &pair, const Schedule::Card &card)
{
    SqlError error;
    SqlStatement put = m_db.prepare("INSERT OR REPLACE INTO card VALUES(?, ?, ?, ?, ?, ?, ?, ?)", error);
    if (!error)
        error = put.bind(1, pair.swedish)
                    .bind(2, pair.english)
                    .bind(3, card.stability)
                    .bind(4, card.difficulty)
                    .bind(5, card.last.toJulianDay())
                    .bind(6, card.due.toJulianDay())
                    .bind(7, qint64(card.reviews))
                    .bind(8, qint64(card.lapses))
                    .run();
    return error.text;
}

StoreOutcome SqliteStore::recordReview(const Review &review)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    SqlError error;
    SqlStatement log = m_db.prepare(
        "INSERT INTO review(at, day, swedish, english, shown, outcome, typed) VALUES(?, ?, ?, ?, ?, ?, ?)",
        error);
    if (!error)
        error = log.bind(1, review.at.toMSecsSinceEpoch())
                    .bind(2, review.at.date().toJulianDay())
                    .bind(3, review.pair.swedish)
                    .bind(4, review.pair.english)
                    .bind(5, review.englishShown ? QStringLiteral("en") : QStringLiteral("sv"))
                    .bind(6, qint64(review.outcome))
                    .bind(7, review.typed)
                    .run();
    QString problem = error.text;
    if (problem.isEmpty()) {
        const Schedule::Card before = card(review.pair, error);
        // Only the day's first outcome changes the card.
        const Schedule::Card after = Schedule::reviewed(
            before, review.at.date(),
            review.outcome == ReviewOutcome::RightFirstTry ? Schedule::Grade::Good : Schedule::Grade::Again);
        problem = error ? error.text : after.last == before.last ? QString() : putCard(review.pair, after);
    }
    return finish(problem);
}

QList<Schedule::Card> SqliteStore::cardsOf(const QList<WordPair> &pairs)
{
    QList<Schedule::Card> cards(pairs.size());
    if (!open().isEmpty())
        return cards;
    SqlError error;
    for (qsizetype i = 0; i < pairs.size() && !error; ++i)
        cards[i] = card(pairs[i], error);
    return cards;
}

StoreOutcome SqliteStore::renamePair(const WordPair &from, const WordPair &to)
{
    if (from == to)
        return {};
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    SqlError error;
    SqlStatement move =
        m_db.prepare("UPDATE review SET swedish = ?, english = ? WHERE swedish = ? AND english = ?", error);
    if (!error)
        error =
            move.bind(1, to.swedish).bind(2, to.english).bind(3, from.swedish).bind(4, from.english).run();
    // The card of the new words, from both histories together.
    QList<std::pair<QDate, ReviewOutcome>> log;
    SqlStatement read = m_db.prepare(
        "SELECT day, outcome FROM review WHERE swedish = ? AND english = ? ORDER BY at, id", error);
    if (!error)
        read.bind(1, to.swedish).bind(2, to.english);
    while (!error && read.next(error))
        log.append({QDate::fromJulianDay(read.integer(0)), ReviewOutcome(read.integer(1))});
    SqlStatement drop = m_db.prepare("DELETE FROM card WHERE swedish = ? AND english = ?", error);
    if (!error)
        error = drop.bind(1, from.swedish).bind(2, from.english).run();
    QString problem = error.text;
    if (problem.isEmpty() && !log.isEmpty())
        problem = putCard(to, cardFromLog(log));
    return finish(problem);
}

QList<PairHistory> SqliteStore::historyOf(const QList<WordPair> &pairs, QDate since)
{
    QList<PairHistory> histories(pairs.size());
    if (!open().isEmpty())
        return histories;
    // A question begins with the pair's first answer, with one after the
    // answer that ended the question before (right, at once or after a miss),
    // and with one on another day or the other word shown (the question before
    // was left unanswered). Days before since are summed in one row, day 0.
    SqlError error;
    SqlStatement read =
        m_db.prepare("SELECT CASE WHEN day >= ? THEN day ELSE 0 END AS d, count(*), sum(outcome = 1) FROM ("
                     "  SELECT day, outcome, shown, lag(outcome) OVER w AS o, lag(day) OVER w AS pd, "
                     "lag(shown) OVER w AS ps"
                     "  FROM review WHERE swedish = ? AND english = ? WINDOW w AS (ORDER BY at, id)) "
                     "WHERE o IS NULL OR o IN (1, 5) OR pd <> day OR ps <> shown GROUP BY d ORDER BY d",
                     error);
    for (qsizetype i = 0; i < pairs.size() && !error; ++i) {
        read.reset();
        read.bind(1, since.toJulianDay()).bind(2, pairs[i].swedish).bind(3, pairs[i].english);
        PairHistory &history = histories[i];
        while (read.next(error)) {
            const Tally tally{int(read.integer(1)), int(read.integer(2))};
            history.total.asked += tally.asked;
            history.total.rightFirstTry += tally.rightFirstTry;
            if (const qint64 day = read.integer(0))
                history.days.append({QDate::fromJulianDay(day), tally});
        }
    }
    return histories;
}

StoreOutcome SqliteStore::forget(const QList<WordPair> &pairs)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    SqlError error;
    SqlStatement reviews = m_db.prepare("DELETE FROM review WHERE swedish = ? AND english = ?", error);
    SqlStatement card = m_db.prepare("DELETE FROM card WHERE swedish = ? AND english = ?", error);
    for (qsizetype i = 0; i < pairs.size() && !error; ++i) {
        for (SqlStatement *statement : {&reviews, &card}) {
            if (!error) {
                statement->reset();
                error = statement->bind(1, pairs[i].swedish).bind(2, pairs[i].english).run();
            }
        }
    }
    return finish(error.text);
}

QDate SqliteStore::testDate()
{
    if (!open().isEmpty())
        return {};
    SqlError error;
    SqlStatement read = m_db.prepare("SELECT value FROM setting WHERE name = 'test_date'", error);
    if (error || !read.next(error))
        return {};
    return QDate::fromString(read.text(0), Qt::ISODate);
}

StoreOutcome SqliteStore::setTestDate(QDate date)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    SqlError error;
    SqlStatement write = m_db.prepare(date.isValid() ? "INSERT OR REPLACE INTO setting VALUES('test_date', ?)"
                                                     : "DELETE FROM setting WHERE name = 'test_date'",
                                      error);
    if (!error && date.isValid())
        write.bind(1, date.toString(Qt::ISODate));
    if (!error)
        error = write.run();
    return {error.text};
}
