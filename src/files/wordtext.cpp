#include "files/wordtext.h"

#include "platform/textcodec.h"

namespace {

const QString Separators = QStringLiteral("\t;,");

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool needsQuotes(const QString &field)
{
    if (field.isEmpty())
        return false;
    for (const QChar c : field) {
        if (Separators.contains(c) || c == u'"' || isLineEnd(c))
            return true;
    }
    // A leading mark would read as the file's byte-order mark.
    return field.front() == u' ' || field.back() == u' ' || field.front() == u'#' ||
           field.front() == u'\uFEFF';
}

// Blanks are the only white space an unquoted field loses, so that the writer
// knows exactly which fields to quote.
QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.first(end);
}

QString quotedIfNeeded(const QString &field)
{
    if (!needsQuotes(field))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// Walks decoded text line by line, a quoted field possibly spanning lines.
class Reader {
public:
    explicit Reader(const QString &text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_at >= m_text.size(); }

    // Passes over the line if it is blank or a comment; true when it did.
    bool skipQuietLine()
    {
        qsizetype i = m_at;
        while (i < m_text.size() && (m_text[i] == u' ' || m_text[i] == u'\t'))
            ++i;
        if (i < m_text.size() && !isLineEnd(m_text[i]) && m_text[m_at] != u'#')
            return false;
        while (i < m_text.size() && !isLineEnd(m_text[i]))
            ++i;
        m_at = i;
        endLine();
        return true;
    }

    // The separator after the first field of this line, or nothing when the
    // line has one field only; then it moves past the line.
    QChar findSeparator()
    {
        readField(Separators);
        if (!atEnd() && Separators.contains(m_text[m_at]))
            return m_text[m_at];
        endLine();
        return {};
    }

    // The fields of this line, up to and past its end.
    QStringList readLine(QChar separator)
    {
        const QString ends(separator);
        QStringList fields;
        do
            fields.append(readField(ends));
        while (!atEnd() && m_text[m_at++] == separator);
        // readField stopped at a line end, which the loop's test took
        // unless the separator followed; "\r\n" is one end.
        if (m_at > 0 && m_text[m_at - 1] == u'\r' && m_at < m_text.size() && m_text[m_at] == u'\n')
            ++m_at;
        return fields;
    }

private:
    void endLine()
    {
        if (!atEnd() && m_text[m_at] == u'\r')
            ++m_at;
        if (!atEnd() && m_text[m_at] == u'\n')
            ++m_at;
    }

    void skipBlanks()
    {
        while (!atEnd() && m_text[m_at] == u' ')
            ++m_at;
    }

    // One field, stopping before the separator (any of separators) or line
    // end that follows it.
    QString readField(const QString &separators)
    {
        skipBlanks();
        const qsizetype start = m_at;
        if (atEnd() || m_text[m_at] != u'"') {
            while (!atEnd() && !separators.contains(m_text[m_at]) && !isLineEnd(m_text[m_at]))
                ++m_at;
            return withoutTrailingBlanks(m_text.sliced(start, m_at - start));
        }
        QString field;
        for (++m_at; !atEnd(); ++m_at) {
            if (m_text[m_at] != u'"') {
                field += m_text[m_at];
            } else if (m_at + 1 < m_text.size() && m_text[m_at + 1] == u'"') {
                field += u'"';
                ++m_at;
            } else {
                ++m_at;
                break;
            }
        }
        // Text after the closing quote is kept, as a spreadsheet would, but
        // for the blanks before the separator.
        const qsizetype after = m_at;
        while (!atEnd() && !separators.contains(m_text[m_at]) && !isLineEnd(m_text[m_at]))
            ++m_at;
        return field + withoutTrailingBlanks(m_text.sliced(after, m_at - after));
    }

    const QString &m_text;
    qsizetype m_at = 0;
};

QChar separatorOf(const QString &text)
{
    Reader reader(text);
    while (!reader.atEnd()) {
        if (reader.skipQuietLine())
            continue;
        if (const QChar found = reader.findSeparator(); !found.isNull())
            return found;
    }
    return u'\t';
}

} // namespace

namespace WordText {

Format formatFor(const QString &path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? Format::Csv : Format::Tabs;
}

QByteArray format(const QList<WordPair> &pairs, Format format)
{
    const QChar separator = format == Format::Csv ? u',' : u'\t';
    QString text;
    for (const WordPair &pair : pairs)
        text += quotedIfNeeded(pair.swedish) + separator + quotedIfNeeded(pair.english) + u'\n';
    return text.toUtf8();
}

Parsed parse(const QByteArray &bytes)
{
    const QString text = decodeTextFile(bytes);
    const QChar separator = separatorOf(text);
    Parsed parsed;
    Reader reader(text);
    while (!reader.atEnd()) {
        if (reader.skipQuietLine())
            continue;
        const QStringList fields = reader.readLine(separator);
        const auto isWord = [](const QString &field) {
            return !field.isEmpty() && field.size() <= WordList::MaxWordLength;
        };
        if (fields.size() >= 2 && isWord(fields[0]) && isWord(fields[1]))
            parsed.pairs.append({fields[0], fields[1]});
        else
            ++parsed.skipped;
    }
    return parsed;
}

} // namespace WordText
