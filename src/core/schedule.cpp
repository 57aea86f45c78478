#include "core/schedule.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Schedule {
namespace {

// FSRS-6's published default parameters w0 … w20.
constexpr std::array<double, 21> W{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                   0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                   1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
constexpr double Retention = 0.9;
const double Decay = -W[20];
const double Factor = std::pow(0.9, 1 / Decay) - 1;

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

double initialDifficulty(int grade)
{
    return W[4] - std::exp(W[5] * (grade - 1)) + 1;
}

double nextDifficulty(double difficulty, int grade)
{
    const double step = -W[6] * (grade - 3);
    const double damped = difficulty + step * (10 - difficulty) / 9;
    // Mean reversion towards the initial difficulty of "Easy", unclamped.
    return clampDifficulty(W[7] * initialDifficulty(4) + (1 - W[7]) * damped);
}

double recallStability(double difficulty, double stability, double recall)
{
    return stability * (1 + std::exp(W[8]) * (11 - difficulty) * std::pow(stability, -W[9]) *
                                (std::exp(W[10] * (1 - recall)) - 1));
}

double forgetStability(double difficulty, double stability, double recall)
{
    const double longTerm = W[11] * std::pow(difficulty, -W[12]) * (std::pow(stability + 1, W[13]) - 1) *
                            std::exp(W[14] * (1 - recall));
    return std::min(longTerm, stability / std::exp(W[17] * W[18]));
}

double recallAfter(double days, double stability)
{
    return std::pow(1 + Factor * days / stability, Decay);
}

} // namespace

int interval(double stability)
{
    const double days = stability / Factor * (std::pow(Retention, 1 / Decay) - 1);
    return std::clamp(int(std::lround(days)), 1, 36500);
}

Card reviewed(const Card &card, QDate day, Grade grade)
{
    if (card.last.isValid() && day <= card.last)
        return card; // only the first outcome of a day counts
    const int g = int(grade);
    Card next = card;
    if (card.isNew()) {
        next.stability = W[size_t(g - 1)];
        next.difficulty = clampDifficulty(initialDifficulty(g));
    } else {
        const double r = recallAfter(double(card.last.daysTo(day)), card.stability);
        next.stability = grade == Grade::Good ? recallStability(card.difficulty, card.stability, r)
                                              : forgetStability(card.difficulty, card.stability, r);
        next.difficulty = nextDifficulty(card.difficulty, g);
    }
    next.last = day;
    next.due = day.addDays(interval(next.stability));
    ++next.reviews;
    next.lapses += grade == Grade::Again;
    return next;
}

double recall(const Card &card, QDate day)
{
    if (card.isNew())
        return 0;
    return recallAfter(double(std::max<qint64>(card.last.daysTo(day), 0)), card.stability);
}

bool dueOn(const Card &card, QDate today, QDate testDate)
{
    if (card.isNew() || card.due <= today)
        return true;
    // Asked again today only if it was not already asked today.
    return testDate.isValid() && testDate >= today && card.last < today && recall(card, testDate) < Retention;
}

QDate nextDue(const Card &card, QDate today, QDate testDate)
{
    // After today the test date's rule holds every day or none until the test.
    for (const QDate day : {today, today.addDays(1)}) {
        if (dueOn(card, day, testDate))
            return day;
    }
    return card.due;
}

} // namespace Schedule
