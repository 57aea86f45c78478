#pragma once

#include "core/store.h"

// The figures of a list's progress, as the progress window shows them.

// One pair of the list.
struct PairProgress {
    WordPair pair;
    Tally tally;
    QDate last;         // the last day it was practised; invalid: never
    QDate next;         // the day it is due
    double recall = -1; // the chance that it is known today; below 0: never practised

    bool practised() const { return tally.asked > 0; }
};

// Questions asked on a day, by whether they were known at once.
struct DayAnswers {
    QDate day;
    int rightFirstTry = 0;
    int rest = 0;
};

// Pairs due on a day, each counted on its next due day only.
struct DayDue {
    QDate day;
    int pairs = 0;
};

struct ProgressReport {
    static constexpr int PastDays = 30;
    static constexpr int ComingDays = 14;

    QList<PairProgress> pairs;  // in list order, each row of the list
    QList<DayAnswers> pastDays; // PastDays days, today last
    QList<DayDue> comingDays;   // ComingDays days, today first
    QDate today;
    QDate testDate; // invalid: none
};

// The report on pairs from the store, as of today. A pair listed twice counts
// once in the days.
ProgressReport progressReport(Store &store, const QList<WordPair> &pairs, QDate today);
