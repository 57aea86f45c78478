#pragma once

#include "core/schedule.h"
#include "core/wordlist.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One run of the program, as its recovery copy names it: the host, the
// process and when it started (milliseconds since 1970, UTC).
struct RunId {
    QString host;
    qint64 pid = 0;
    qint64 started = 0;

    friend bool operator==(const RunId &, const RunId &) = default;
};

// The pairs a run had not saved, as the store keeps them.
struct RecoveryCopy {
    qint64 id = 0;
    RunId run;
    QDateTime copied;
    QString wordFile; // the word file the list came from; empty: none
    QList<WordPair> pairs;
};

// One answer in a practice, as the review log keeps it.
enum class ReviewOutcome : quint8 {
    RightFirstTry = 1, // right at the first try, without a hint
    Wrong = 2,
    Hint = 3,
    Shown = 4,          // the hint showed the whole answer
    RightAfterMiss = 5, // right, after a wrong answer or a hint
};
struct Review {
    QDateTime at; // when, local; kept as UTC and the local day
    WordPair pair;
    bool englishShown = false; // which word was asked
    ReviewOutcome outcome = ReviewOutcome::RightFirstTry;
    QString typed; // the answer typed, where one was checked
};

// A card's state from its pair's log, oldest first: the first outcome of
// each day counts, right at the first try as Good and anything else as Again.
Schedule::Card cardFromLog(const QList<std::pair<QDate, ReviewOutcome>> &log);

// How often a pair was asked and how often it was known at once. A question
// is asked once however many answers and hints it takes.
struct Tally {
    int asked = 0;
    int rightFirstTry = 0; // right at the first try, without a hint

    friend bool operator==(const Tally &, const Tally &) = default;
};
struct PairHistory {
    Tally total;
    QList<std::pair<QDate, Tally>> days; // the days asked from a given day on, oldest first
};

// Errors as values: empty when the store did what was asked.
struct StoreOutcome {
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// What the program remembers between runs, for this desktop account. The
// desktop's store is a database opened on first use; tests hand in their own.
class Store {
public:
    virtual ~Store() = default;

    // This run's copy of its unsaved list, replacing the one before.
    virtual StoreOutcome keepCopy(const QString &wordFile, const QList<WordPair> &pairs) = 0;
    // This run's copy is no longer needed: its pairs are saved or gone.
    virtual StoreOutcome dropCopy() = 0;
    // The copies of runs that have ended, newest first; never one of a run still going.
    virtual QList<RecoveryCopy> endedCopies() = 0;
    // A copy answered "Nej": removed.
    virtual StoreOutcome dropEndedCopy(qint64 id) = 0;
    // A copy answered "Ja": in one step, this run's copy becomes list and the
    // ended copy keeps only the pairs left over (and goes when none are).
    virtual StoreOutcome takeOver(qint64 id, const QList<WordPair> &leftOver, const QString &wordFile,
                                  const QList<WordPair> &list) = 0;
    // Every answer of every practice, appended; the pair's card follows the first of each day.
    virtual StoreOutcome recordReview(const Review &review) = 0;
    // The cards of pairs, in the same order; a pair never answered has a new card.
    virtual QList<Schedule::Card> cardsOf(const QList<WordPair> &pairs) = 0;
    // A pair changed in the edit window takes its history along.
    virtual StoreOutcome renamePair(const WordPair &from, const WordPair &to) = 0;
    // The history of pairs, in the same order, with the days from since on.
    virtual QList<PairHistory> historyOf(const QList<WordPair> &pairs, QDate since) = 0;
    // Forgets every answer and the card of pairs: they are new again.
    virtual StoreOutcome forget(const QList<WordPair> &pairs) = 0;
    // The test date the schedule aims at; invalid: none.
    virtual QDate testDate() = 0;
    virtual StoreOutcome setTestDate(QDate date) = 0;

    // What opening the store found that the user should hear of once (a
    // damaged store set aside, one from a newer program); empty otherwise.
    virtual QString takeNotice() = 0;
};
