#pragma once

#include "platform/barchart.h"

#include <QDate>
#include <QVariant>

struct PairProgress;
struct ProgressReport;

// How the progress window writes its figures: Swedish numbers and dates.

// One cell of the table: its text and the value it sorts by.
struct ProgressCell {
    QString text;
    QVariant sortKey;
};
// The table's column titles, and a pair's row under them.
QStringList progressColumns();
QList<ProgressCell> progressRow(const PairProgress &pair, QDate today);

// The charts of the last days' answers and of the coming days' pairs.
BarChart pastDaysChart(const ProgressReport &report);
BarChart comingDaysChart(const ProgressReport &report);
