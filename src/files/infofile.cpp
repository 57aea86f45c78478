#include "files/infofile.h"

#include "files/filebytes.h"
#include "platform/textcodec.h"

std::optional<QString> readInfoText(const QString &path)
{
    // The word files' reader: opened without blocking and checked on the open
    // file itself, so that a named pipe or a device in the file's place (or a
    // link to one) can neither hang the start nor be swapped in between.
    const PathLookUp lookUp = lookUpPath(path);
    if (!lookUp.exists)
        return std::nullopt;
    // One byte past the limit tells a whole file from a cut one.
    FileRead read = readFileStart(path, InfoTextLimit + 1, lookUp);
    if (!read.ok())
        return std::nullopt;
    if (read.bytes.size() <= InfoTextLimit)
        return decodeTextFile(read.bytes);
    read.bytes.truncate(InfoTextLimit);
    return decodeTextStart(read.bytes);
}

QString cannotOpenText(const QString &path)
{
    return QStringLiteral("Kan inte öppna filen: ") + path;
}

QString textForShowing(const QString &text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / LongRun);
    qsizetype line = 0;       // characters since the last line break
    qsizetype lastBlank = -1; // in shown, on this line
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the line feed that follows breaks the line
        const bool blank = c == u' ' || c == u'\t' || c == u'\r';
        if (c != u'\n' && !blank && line >= LongRun) {
            // After the line's last blank, where wrapping would break it anyway.
            const qsizetype at = lastBlank >= 0 ? lastBlank + 1 : shown.size();
            shown.insert(at, u'\n');
            line = shown.size() - at - 1;
            lastBlank = -1;
        }
        shown += c;
        line = c == u'\n' ? 0 : line + 1;
        if (c == u'\n')
            lastBlank = -1;
        else if (blank)
            lastBlank = shown.size() - 1;
    }
    // A text view lays out every line, however short: the rest is not shown.
    qsizetype lines = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == u'\n' && ++lines == InfoLineLimit) {
            shown.truncate(i);
            break;
        }
    }
    return shown;
}
