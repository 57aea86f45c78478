#include "core/pairnumber.h"

#include "core/textnumber.h"
#include "core/wordlist.h"

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
    int number = 0;
    for (const WordPair &pair : list.pairs())
        listing += QString::number(++number) + QStringLiteral(", ") + pair.swedish + u'=' + pair.english +
                   QStringLiteral("\r\n");
    return listing;
}
