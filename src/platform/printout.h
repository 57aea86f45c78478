#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A list on paper, as the print commands describe it and the print module
// lays it out: sections of table rows, each section from a new page, a row
// never cut by a page's end.
struct Printout {
    struct Section {
        QString heading;          // above the table on the section's first page
        QStringList columns;      // the table's column titles
        QList<QStringList> rows;  // one cell per column
        bool answerLines = false; // the last column is an empty ruled line to write on
    };

    QString title; // the document's name, as the print dialog and a PDF show it
    QList<Section> sections;

    friend bool operator==(const Printout &, const Printout &) = default;
};
