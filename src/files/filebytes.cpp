#include "files/filebytes.h"

#include <QFile>
#include <QFileInfo>

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

// The save's target: the file at the end of any links, and, when it exists,
// that file open for writing with what it was before the save.
struct Target {
    QString path;
    int fd = -1; // -1: there is no file yet
    struct stat old {};
};

// Finds the target of path and checks that the user may write it, before
// anything is made: errno, or 0. Only regular files are replaced; a link that
// leads nowhere is refused, since writing through it would make a file
// somewhere else.
int openTarget(const QString &path, Target &target)
{
    const QByteArray given = QFile::encodeName(path);
    struct stat info {};
    if (::stat(given.constData(), &info) != 0) {
        if (errno != ENOENT)
            return errno;
        if (::lstat(given.constData(), &info) == 0)
            return ENOENT;
        target.path = QFileInfo(path).absoluteFilePath();
        return 0;
    }
    // Refused before it is opened: opening a device may already do something.
    if (const int refusal = refusalOf(info.st_mode))
        return refusal;
    target.path = QFileInfo(path).canonicalFilePath();
    target.fd =
        ::open(QFile::encodeName(target.path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (target.fd < 0)
        return errno;
    if (::fstat(target.fd, &target.old) != 0)
        return errno;
    return refusalOf(target.old.st_mode);
}

// One name per target, so that an interrupted save leaves at most one file
// behind, which the next save of the same file replaces.
QByteArray temporaryName(const QString &target)
{
    const QFileInfo info(target);
    return QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                             QStringLiteral(".ordkvarnen-tmp"));
}

// A fresh file of that name, with the permissions given (less the umask)
// from the start. What an earlier save left there goes first: a new file is
// open nowhere else and belongs to this process.
int createTemporary(const QByteArray &name, mode_t mode, int &fd)
{
    if (::unlink(name.constData()) != 0 && errno != ENOENT)
        return errno;
    fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    return fd < 0 ? errno : 0;
}

// Gives the new, still empty file the old one's owner, group and permissions.
// Owner and group are kept where the process may give them, else the group
// alone where the process belongs to it; a refusal does no harm.
int takeOver(int fd, const struct stat &old)
{
    [[maybe_unused]] const bool given =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, uid_t(-1), old.st_gid) == 0;
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return errno;
    const mode_t mode = old.st_mode & 07777;
    if ((now.st_mode & 07777) != mode && ::fchmod(fd, mode) != 0)
        return errno; // the umask or fchown took bits away
    return 0;
}

// Overwrites the old file through fd from its start. Room for the new length
// is claimed before the first byte changes, so a full disk or quota stops the
// save with the file as it was.
int writeInPlace(int fd, const QByteArray &bytes)
{
    if (!bytes.isEmpty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    int error = writeAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return error;
}

// Makes the rename durable. A folder that may not be read is not opened; the
// list is in its place by then.
int syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    return closeKeeping(fd, ::fsync(fd) != 0 && errno != EINVAL ? errno : 0);
}

// Writes a new file beside the target and renames it over the target. When
// the folder does not let the new file be made, an old file that the user
// may write is written in place instead.
int writeBeside(const Target &target, const QByteArray &bytes)
{
    const bool replacing = target.fd >= 0;
    const QByteArray temporary = temporaryName(target.path);
    int fd = -1;
    int error = createTemporary(temporary, replacing ? target.old.st_mode & 07777 : 0666, fd);
    if (error != 0) {
        const bool folderRefuses = error == EACCES || error == EPERM || error == ENAMETOOLONG;
        return replacing && folderRefuses ? writeInPlace(target.fd, bytes) : error;
    }
    if (replacing)
        error = takeOver(fd, target.old);
    if (error == 0)
        error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    error = closeKeeping(fd, error);
    if (error == 0 && ::rename(temporary.constData(), QFile::encodeName(target.path).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return error;
    }
    return syncFolder(QFileInfo(target.path).absolutePath());
}

} // namespace

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

int replaceFile(const QString &path, const QByteArray &bytes)
{
    Target target;
    int error = openTarget(path, target);
    if (error == 0) {
        // Other names of the file see the new list only if it is written in place.
        const bool linked = target.fd >= 0 && target.old.st_nlink > 1;
        error = linked ? writeInPlace(target.fd, bytes) : writeBeside(target, bytes);
    }
    return target.fd >= 0 ? closeKeeping(target.fd, error) : error;
}
