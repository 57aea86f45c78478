#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGui/qrgb.h>

class QWidget;

// A bar chart as a window describes it and the chart module draws it: one bar
// per category, its parts stacked in order, the first at the bottom.
struct BarChart {
    struct Part {
        QString name; // in the legend
        QRgb color = 0;
        QList<int> values; // one per category
    };

    QString title;
    QStringList categories; // under the bars
    QString categoryTitle;  // under the categories
    QList<Part> parts;
    QString description; // the figures in words, for screen readers
};

// The chart as a widget named name, drawn by the chart module (Qt Charts
// behind it), loaded the first time a chart is drawn, with its description as
// its tooltip. Without the module: a label that says so.
QWidget *createBarChart(const BarChart &chart, const char *name, QWidget *parent);
