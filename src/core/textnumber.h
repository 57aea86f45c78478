#pragma once

#include <QString>

// Reads a number the way typed and stored numbers are read throughout the
// program: blanks are skipped, then the leading numeric part (sign, digits,
// decimal point, exponent) counts; a text that does not begin with a number
// reads as 0. "12 apor" is 12, "apa" is 0, " 2.9" is 2.9.
double leadingNumber(const QString &text);
