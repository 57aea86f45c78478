#include "core/textnumber.h"

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
} // namespace

double leadingNumber(const QString &text)
{
    // Collect the numeric prefix with blanks removed, then let the C locale
    // parser read it; anything it cannot read is 0.
    QString digits;
    bool seenDigit = false, seenPoint = false, seenExponent = false;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        const QChar last = digits.isEmpty() ? QChar() : digits.back();
        if (c.isDigit() && c.unicode() < 128) {
            seenDigit = true;
        } else if ((c == u'+' || c == u'-') && (digits.isEmpty() || last == u'e' || last == u'E')) {
        } else if (c == u'.' && !seenPoint && !seenExponent) {
            seenPoint = true;
        } else if ((c == u'e' || c == u'E') && seenDigit && !seenExponent) {
            seenExponent = true;
        } else {
            break;
        }
        digits.append(c);
    }
    // Drop a dangling exponent or sign ("3e", "3e-") before parsing.
    while (!digits.isEmpty() && !digits.back().isDigit() && digits.back() != u'.')
        digits.chop(1);
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? value : 0.0;
}
