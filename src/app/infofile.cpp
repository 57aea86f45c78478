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

bool hasLongUnbrokenRun(const QString &text)
{
    qsizetype run = 0;
    for (const QChar c : text) {
        run = (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') ? 0 : run + 1;
        if (run > LongRun)
            return true;
    }
    return false;
}
