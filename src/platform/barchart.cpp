#include "platform/barchart.h"

#include "platform/modules.h"

#include <QLabel>

QWidget *createBarChart(const BarChart &chart, const char *name, QWidget *parent)
{
    using Draw = QWidget *(*)(const BarChart &, QWidget *);
    const auto draw =
        reinterpret_cast<Draw>(moduleFunction(QStringLiteral("ordkvarnen_charts"), "ordkvarnen_bar_chart"));
    QWidget *widget = nullptr;
    if (draw) {
        widget = draw(chart, parent);
    } else {
        auto *missing = new QLabel(chart.title + QStringLiteral("\n\nDiagrammet kan inte visas: programmets "
                                                                "diagrammodul (ordkvarnen_charts) saknas."),
                                   parent);
        missing->setTextFormat(Qt::PlainText);
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        widget = missing;
    }
    widget->setObjectName(QString::fromUtf8(name));
    widget->setAccessibleName(chart.title);
    widget->setAccessibleDescription(chart.description);
    widget->setToolTip(chart.description);
    return widget;
}
