#pragma once

#include <QString>

class WordList;

// The pair number typed into the edit window: the text's leading number,
// rounded down ("2.9" is pair 2). 0 when that is no pair of a list of count
// pairs: below 1, above count, or no number at all.
int typedPairNumber(const QString &text, int count);

// The edit window's listing: one line per pair in row order, "3, hus=house",
// each line ended by CR LF. The number is the row number, so after a removal
// the pairs below it are listed one lower.
QString numberedListing(const WordList &list);
