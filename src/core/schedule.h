#pragma once

#include <QDate>
#include <QList>

// The schedule of one pair (a card), FSRS-6 with its published default
// parameters, desired retention 0.9, no fuzz and no learning steps: every
// card is due in whole local days from the day of its review, at least one.
// Only a pair's first outcome on a day changes it.
namespace Schedule {

enum class Grade { Again = 1, Good = 3 };

struct Card {
    double stability = 0; // days until recall falls to 0.9; 0: never reviewed
    double difficulty = 0;
    QDate last;      // the day of the last review that counted
    QDate due;       // the day it is asked again
    int reviews = 0; // days it was reviewed
    int lapses = 0;  // of them, days it was not known

    bool isNew() const { return !last.isValid(); }
};

// The card after a review on day with grade; a second review on the same day
// changes nothing.
Card reviewed(const Card &card, QDate day, Grade grade);
// The predicted chance of recall on day.
double recall(const Card &card, QDate day);
// Whole days after a review until the card is due: at least 1.
int interval(double stability);
// Due on today: never answered, its due day reached, or, with a test date on
// or after today, a recall on that date below 0.9 (so that by the test every
// pair is expected to be known with at least that chance).
bool dueOn(const Card &card, QDate today, QDate testDate = {});
// The first day from today on that dueOn holds, if the card is not asked before.
QDate nextDue(const Card &card, QDate today, QDate testDate = {});

} // namespace Schedule
