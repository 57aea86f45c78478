// The chart module: bar charts drawn with Qt Charts. Loaded the first time a
// chart is drawn, so that start-up never loads Qt Charts.
#include "platform/barchart.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
// A whole step of 1, 2 or 5 times a power of ten that splits top into at most five.
int wholeStep(int top)
{
    for (int power = 1;; power *= 10) {
        for (const int step : {power, 2 * power, 5 * power}) {
            if (top <= 5 * step)
                return step;
        }
    }
}
} // namespace

extern "C" Q_DECL_EXPORT QWidget *ordkvarnen_bar_chart(const BarChart &chart, QWidget *parent)
{
    auto *series = new QStackedBarSeries;
    QList<int> heights(chart.categories.size());
    for (const BarChart::Part &part : chart.parts) {
        auto *set = new QBarSet(part.name);
        for (qsizetype i = 0; i < part.values.size(); ++i) {
            set->append(part.values[i]);
            if (i < heights.size())
                heights[i] += part.values[i];
        }
        set->setColor(QColor(part.color));
        set->setBorderColor(QColor(part.color).darker(130));
        series->append(set);
    }
    series->setBarWidth(0.7);

    auto *view = new QChartView(parent);
    QChart *drawn = view->chart();
    drawn->addSeries(series);
    drawn->setTitle(chart.title);
    drawn->setLocalizeNumbers(true);
    drawn->setLocale(QLocale(QLocale::Swedish, QLocale::Sweden));
    drawn->setAnimationOptions(QChart::NoAnimation);
    drawn->setBackgroundRoundness(0);
    drawn->setMargins(QMargins(4, 4, 4, 4));
    drawn->legend()->setAlignment(Qt::AlignBottom);
    // The window's font, so that the chart follows the desktop's scale.
    const QFont font = view->font();
    QFont titleFont = font;
    titleFont.setBold(true);
    drawn->setTitleFont(titleFont);
    drawn->legend()->setFont(font);

    // The categories along the bottom, a few of them named: as many as fit.
    auto *categories = new QCategoryAxis;
    const qsizetype count = chart.categories.size();
    categories->setRange(-0.5, double(count) - 0.5);
    categories->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype every = std::max<qsizetype>(1, (count + 7) / 8);
    for (qsizetype i = 0; i < count; i += every)
        categories->append(chart.categories[i], double(i));
    categories->setTitleText(chart.categoryTitle);
    categories->setLabelsFont(font);
    categories->setTitleFont(font);
    categories->setGridLineVisible(false);
    drawn->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    const int top = std::max(1, heights.isEmpty() ? 0 : *std::max_element(heights.begin(), heights.end()));
    const int step = wholeStep(top);
    auto *counts = new QValueAxis;
    counts->setRange(0, step * std::ceil(double(top) / step));
    counts->setTickCount(int(std::lround(counts->max() / step)) + 1);
    counts->setLabelFormat(QStringLiteral("%.0f"));
    counts->setLabelsFont(font);
    drawn->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);

    view->setRenderHint(QPainter::Antialiasing);
    // A picture to look at: Tab passes it by, screen readers read its description.
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    return view;
}
