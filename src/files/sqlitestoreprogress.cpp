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

namespace {
const char *shownText(bool english)
{
    return english ? "en" : "sv";
}
} // namespace

SqlError SqliteStore::countQuestion(const Review &review)
{
    // The rule of the view "question", for the answer after the last one
    // before it (answers come in time's order but for a clock put back).
    SqlError error;
    SqlStatement last =
        m_db.prepare("SELECT outcome, day, shown FROM review WHERE swedish = ? AND english = ? AND at <= ? "
                     "ORDER BY at DESC, id DESC LIMIT 1",
                     error);
    if (!error)
        last.bind(1, review.pair.swedish).bind(2, review.pair.english).bind(3, review.at.toMSecsSinceEpoch());
    const qint64 day = review.at.date().toJulianDay();
    bool begins = !error;
    if (!error && last.next(error)) {
        const auto ended = ReviewOutcome(last.integer(0));
        begins = ended == ReviewOutcome::RightFirstTry || ended == ReviewOutcome::RightAfterMiss ||
                 last.integer(1) != day || last.text(2) != QLatin1String(shownText(review.englishShown));
    }
    if (error || !begins)
        return error;
    SqlStatement count = m_db.prepare(
        "INSERT INTO question_day VALUES(?, ?, ?, 1, ?) ON CONFLICT DO UPDATE SET asked = asked + 1,"
        " right_first = right_first + excluded.right_first",
        error);
    if (!error)
        error = count.bind(1, review.pair.swedish)
                    .bind(2, review.pair.english)
                    .bind(3, day)
                    .bind(4, qint64(review.outcome == ReviewOutcome::RightFirstTry))
                    .run();
    return error;
}

StoreOutcome SqliteStore::recordReview(const Review &review)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    SqlError error = countQuestion(review);
    SqlStatement log;
    if (!error)
        log = m_db.prepare("INSERT INTO review(at, day, swedish, english, shown, outcome, typed) VALUES(?, "
                           "?, ?, ?, ?, ?, ?)",
                           error);
    if (!error)
        error = log.bind(1, review.at.toMSecsSinceEpoch())
                    .bind(2, review.at.date().toJulianDay())
                    .bind(3, review.pair.swedish)
                    .bind(4, review.pair.english)
                    .bind(5, QString::fromLatin1(shownText(review.englishShown)))
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
    // The questions of the new words, counted again from both histories.
    SqlStatement uncount = m_db.prepare(
        "DELETE FROM question_day WHERE (swedish = ?1 AND english = ?2) OR (swedish = ?3 AND english = ?4)",
        error);
    if (!error)
        error =
            uncount.bind(1, from.swedish).bind(2, from.english).bind(3, to.swedish).bind(4, to.english).run();
    SqlStatement count =
        m_db.prepare("INSERT INTO question_day SELECT swedish, english, day, count(*),"
                     " sum(outcome = 1) FROM question WHERE swedish = ? AND english = ? GROUP BY day",
                     error);
    if (!error)
        error = count.bind(1, to.swedish).bind(2, to.english).run();
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
    // Days before since are summed in one row, day 0.
    SqlError error;
    SqlStatement read = m_db.prepare(
        "SELECT CASE WHEN day >= ? THEN day ELSE 0 END AS d, sum(asked), sum(right_first) FROM question_day"
        " WHERE swedish = ? AND english = ? GROUP BY d ORDER BY d",
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
    SqlStatement questions =
        m_db.prepare("DELETE FROM question_day WHERE swedish = ? AND english = ?", error);
    for (qsizetype i = 0; i < pairs.size() && !error; ++i) {
        for (SqlStatement *statement : {&reviews, &card, &questions}) {
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
