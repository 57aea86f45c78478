#include "edit/pairnumber.h"

#include "app/textnumber.h"
#include "app/wordlist.h"

#include <cmath>

int typedPairNumber(const QString &text, int count)
{
    const double number = std::floor(leadingNumber(text));
    // Compared as a double first, so that no huge value is ever made an int.
    if (!(number >= 1 && number <= count))
        return 0;
    return int(number);
}

QString numberedListing(const WordList &list)
{
    QString listing;
    for (int row = 1; row <= list.count(); ++row)
        listing += QString::number(row) + QStringLiteral(", ") + list.cell(row, 0) + u'=' +
                   list.cell(row, 1) + QStringLiteral("\r\n");
    return listing;
}
