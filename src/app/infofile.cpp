#include "app/infofile.h"

#include "platform/textcodec.h"

#include <QFile>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QString> readInfoText(const QString &path)
{
    // Opened without blocking and checked on the open file itself, so that a
    // named pipe or a device in the file's place (or a link to one) can
    // neither hang the start nor be swapped in between a check and the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    // UTF-8 or Windows-1252 is decided on all that is read; a read that fails
    // part way shows what could be read.
    const QByteArray bytes = file.read(InfoTextLimit);
    return file.atEnd() ? decodeTextFile(bytes) : decodeTextStart(bytes);
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
    return shown;
}
