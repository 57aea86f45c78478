#include "files/filebytes.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int refusalOf(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : ENXIO;
}

int closeKeeping(int fd, int error)
{
    if (::close(fd) != 0 && error == 0)
        return errno;
    return error;
}

int writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += written;
    }
    return 0;
}

PathLookUp lookUpPath(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return {0, true, info.st_mode};
    return {errno == ENOENT ? 0 : errno, false, 0};
}

FileRead readFileStart(const QString &path, qint64 limit)
{
    return readFileStart(path, limit, lookUpPath(path));
}

FileRead readFileStart(const QString &path, qint64 limit, const PathLookUp &lookUp)
{
    if (lookUp.error != 0 || !lookUp.exists)
        return {{}, lookUp.error};
    if (const int refusal = refusalOf(lookUp.mode))
        return {{}, refusal};
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};

    // Non-blocking, and looked at again once open: the path may have become
    // a pipe in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno == ENOENT ? 0 : errno};
    if (::fstat(fd, &info) != 0)
        return {{}, closeKeeping(fd, errno)};
    if (const int refusal = refusalOf(info.st_mode))
        return {{}, closeKeeping(fd, refusal)};

    QByteArray bytes(qsizetype(std::clamp<qint64>(info.st_size, 0, limit)), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, closeKeeping(fd, errno)};
        if (got == 0)
            break; // the file shrank since it was measured
        done += got;
    }
    bytes.truncate(done);
    if (const int error = closeKeeping(fd, 0))
        return {{}, error};
    return {bytes, 0};
}
