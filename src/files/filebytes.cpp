#include "files/filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why a file of this kind is not read: only regular files hold word files.
int refusalOf(mode_t mode)
{
    if (S_ISREG(mode))
        return 0;
    return S_ISDIR(mode) ? EISDIR : ENXIO;
}

// Closes fd; the first failure wins over the close's own.
int closeKeeping(int fd, int error)
{
    if (::close(fd) != 0 && error == 0)
        return errno;
    return error;
}

int writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += written;
    }
    return 0;
}

// A new file beside the target, named so that it cannot meet an existing one.
int createBeside(const QString &folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(folder + QStringLiteral("/.ordkvarnen-") +
                                 QString::number(QRandomGenerator::global()->generate64(), 36));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

FileRead readFileStart(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return {{}, errno == ENOENT ? 0 : errno};
    if (const int refusal = refusalOf(info.st_mode))
        return {{}, refusal};

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

int replaceFile(const QString &path, const QByteArray &bytes)
{
    QString target = path;
    const QFileInfo given(path);
    if (given.isSymLink() && given.exists())
        target = given.canonicalFilePath();
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0 && S_ISREG(old.st_mode);

    QByteArray temporary;
    const int fd = createBeside(QFileInfo(target).absolutePath(), temporary);
    if (fd < 0)
        return errno;
    int error = writeAll(fd, bytes);
    if (error == 0 && replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    error = closeKeeping(fd, error);
    if (error == 0 && ::rename(temporary.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    return error;
}

int pathFailure(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 || errno == ENOENT)
        return 0;
    return errno;
}
