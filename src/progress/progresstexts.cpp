#include "progress/progresstexts.h"

#include "core/progressreport.h"

#include <QLocale>

#include <algorithm>

namespace {
const QLocale Swedish(QLocale::Swedish, QLocale::Sweden);

QString percent(double share)
{
    return Swedish.toString(qRound(share * 100)) + QStringLiteral("\u00a0%");
}

// A day near today by its name, others as the date.
QString dayText(QDate day, QDate today)
{
    if (day == today)
        return QStringLiteral("i dag");
    if (day == today.addDays(-1))
        return QStringLiteral("i går");
    if (day == today.addDays(1))
        return QStringLiteral("i morgon");
    return day.toString(Qt::ISODate);
}

// "8 november – 7 december", or "7–20 december" within a month.
QString spanText(QDate first, QDate last)
{
    const QString lastText = QStringLiteral("%1 %2").arg(last.day()).arg(Swedish.monthName(last.month()));
    if (first.month() == last.month() && first.year() == last.year())
        return QStringLiteral("%1–%2").arg(first.day()).arg(lastText);
    return QStringLiteral("%1 %2 – %3").arg(first.day()).arg(Swedish.monthName(first.month()), lastText);
}

// A chart of days: each named by its date, the span under them.
BarChart daysChart(const QString &title, const QList<QDate> &days)
{
    BarChart chart;
    chart.title = title.arg(days.size());
    for (const QDate day : days)
        chart.categories << QStringLiteral("%1/%2").arg(day.day()).arg(day.month());
    if (!days.isEmpty())
        chart.categoryTitle = spanText(days.first(), days.last());
    return chart;
}
} // namespace

QStringList progressColumns()
{
    return {QStringLiteral("Svenska"),     QStringLiteral("Engelska"), QStringLiteral("Övad"),
            QStringLiteral("Rätt direkt"), QStringLiteral("Senast"),   QStringLiteral("Nästa"),
            QStringLiteral("Minns nu")};
}

QList<ProgressCell> progressRow(const PairProgress &pair, QDate today)
{
    const Tally &tally = pair.tally;
    const QString none = QStringLiteral("–");
    const bool known = pair.practised() && pair.last.isValid();
    return {
        {pair.pair.swedish, pair.pair.swedish},
        {pair.pair.english, pair.pair.english},
        {Swedish.toString(tally.asked), tally.asked},
        {tally.asked ? percent(double(tally.rightFirstTry) / tally.asked) : none,
         tally.asked ? double(tally.rightFirstTry) / tally.asked : -1.0},
        {known ? dayText(pair.last, today) : QStringLiteral("aldrig övad"),
         known ? pair.last.toJulianDay() : 0},
        {dayText(pair.next, today), pair.next.toJulianDay()},
        {pair.recall >= 0 ? percent(pair.recall) : none, pair.recall},
    };
}

BarChart pastDaysChart(const ProgressReport &report)
{
    QList<QDate> days;
    BarChart::Part right{QStringLiteral("Rätt direkt"), qRgb(0x3b, 0x9a, 0x4b), {}};
    BarChart::Part rest{QStringLiteral("Fel, ledtråd eller visat"), qRgb(0xe0, 0x8a, 0x2c), {}};
    int total = 0, totalRight = 0;
    for (const DayAnswers &day : report.pastDays) {
        days << day.day;
        right.values << day.rightFirstTry;
        rest.values << day.rest;
        total += day.rightFirstTry + day.rest;
        totalRight += day.rightFirstTry;
    }
    BarChart chart = daysChart(QStringLiteral("Svar de senaste %1 dagarna"), days);
    chart.parts = {right, rest};
    const DayAnswers today = report.pastDays.value(report.pastDays.size() - 1);
    chart.description =
        QStringLiteral("%1 frågor, %2 rätt direkt. I dag %3 frågor, %4 rätt direkt.")
            .arg(Swedish.toString(total), Swedish.toString(totalRight),
                 Swedish.toString(today.rightFirstTry + today.rest), Swedish.toString(today.rightFirstTry));
    return chart;
}

BarChart comingDaysChart(const ProgressReport &report)
{
    QList<QDate> days;
    BarChart::Part due{QStringLiteral("Att öva"), qRgb(0x3a, 0x6e, 0xb5), {}};
    // The test day: its column filled up to the top in a colour of its own.
    BarChart::Part test{QStringLiteral("Förhörsdagen"), qRgb(0xf0, 0xb4, 0xb4), {}};
    int total = 0, top = 1;
    for (const DayDue &day : report.comingDays) {
        days << day.day;
        due.values << day.pairs;
        total += day.pairs;
        top = std::max(top, day.pairs);
    }
    for (const DayDue &day : report.comingDays)
        test.values << (day.day == report.testDate ? top - day.pairs : 0);
    BarChart chart = daysChart(QStringLiteral("Glosor att öva de kommande %1 dagarna"), days);
    chart.parts = {due};
    QString testText;
    if (const QDate date = report.testDate; date.isValid()) {
        testText = QStringLiteral(" Förhöret är ") + date.toString(Qt::ISODate) + u'.';
        if (days.contains(date))
            chart.parts << test;
        else
            chart.title += QStringLiteral(" (förhör ") + date.toString(Qt::ISODate) + u')';
    }
    chart.description = QStringLiteral("I dag %1 glosor, de kommande %2 dagarna %3.%4")
                            .arg(Swedish.toString(report.comingDays.value(0).pairs))
                            .arg(report.comingDays.size())
                            .arg(Swedish.toString(total), testText);
    return chart;
}
