#include "files/safesave.h"

#include "files/backups.h"
#include "files/filebytes.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Short, so that beside any name a folder can hold, a temporary name fits too.
constexpr char TemporaryPrefix[] = ".okv-";
constexpr char TemporarySuffix[] = ".tmp";
constexpr char OldTemporarySuffix[] = ".ordkvarnen-tmp"; // the one name per file earlier versions used
// A leftover younger than this may be a save that has not locked it yet.
constexpr time_t LeftoverAge = 60;
// How long a save waits for another copy of the program saving the same file.
constexpr int LockWaitMs = 2000;

// The save's target: the file at the end of any links, and, when it exists,
// that file open for writing with what it was before the save. Paths are the
// bytes the system gave: a folder's name need not be UTF-8.
struct Target {
    QByteArray path;
    int fd = -1; // -1: there is no file yet
    struct stat old {};
};

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// Finds the target of path and checks that the user may write it, before
// anything is made: errno, or 0. Only regular files are replaced; a link that
// leads nowhere is refused, since writing through it would make a file
// somewhere else.
int openTarget(const QByteArray &given, Target &target)
{
    struct stat info {};
    if (::stat(given.constData(), &info) != 0) {
        if (errno != ENOENT)
            return errno;
        if (::lstat(given.constData(), &info) == 0)
            return ENOENT;
        char *folder = ::realpath(folderOf(given).constData(), nullptr);
        if (!folder)
            return errno;
        target.path = QByteArray(folder) + '/' + given.mid(given.lastIndexOf('/') + 1);
        ::free(folder);
        return 0;
    }
    // Refused before it is opened: opening a device may already do something.
    if (const int refusal = refusalOf(info.st_mode))
        return refusal;
    char *real = ::realpath(given.constData(), nullptr);
    if (!real)
        return errno;
    target.path = real;
    ::free(real);
    target.fd = ::open(target.path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (target.fd < 0)
        return errno;
    if (::fstat(target.fd, &target.old) != 0)
        return errno;
    return refusalOf(target.old.st_mode);
}

// Two copies of the program saving one file take turns: the file stays
// locked for a save's whole write. 0, or EWOULDBLOCK when the other's save
// does not end within a moment.
int lockTarget(int fd)
{
    const QDeadlineTimer deadline(LockWaitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return 0; // a file system without locks: as before
        if (deadline.hasExpired())
            return EWOULDBLOCK;
        QThread::msleep(5);
    }
    return 0;
}

QByteArray randomName(const QByteArray &folder, const char *prefix, const char *suffix)
{
    const quint64 random = QRandomGenerator::system()->generate64();
    return folder + '/' + prefix + QByteArray::number(random, 36) + suffix;
}

// Removes the temporary files that killed saves left in folder: those no
// running save holds locked, and old enough to be no save just begun.
void removeLeftovers(const QByteArray &folder)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const auto closeDir = qScopeGuard([dir] { ::closedir(dir); });
    const time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArrayView entryName(entry->d_name);
        const bool ours = (entryName.startsWith(TemporaryPrefix) && entryName.endsWith(TemporarySuffix)) ||
                          (entryName.startsWith(".") && entryName.endsWith(OldTemporarySuffix));
        if (!ours)
            continue;
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && now - info.st_mtime > LeftoverAge &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        ::close(fd);
    }
}

// A new file for this save alone, locked: unnamed where the file system
// allows (named only once complete, just before the rename), else under a
// short unique name. Its permissions (less the umask) are there from the start.
struct Temporary {
    int fd = -1;
    QByteArray name; // empty while unnamed
};

int createTemporary(const QByteArray &folder, mode_t mode, Temporary &temporary)
{
    temporary.fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (temporary.fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return errno;
    for (int attempt = 0; temporary.fd < 0 && attempt < 100; ++attempt) {
        temporary.name = randomName(folder, TemporaryPrefix, TemporarySuffix);
        temporary.fd =
            ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (temporary.fd < 0 && errno != EEXIST)
            return errno;
    }
    if (temporary.fd < 0)
        return EEXIST;
    ::flock(temporary.fd, LOCK_EX | LOCK_NB); // new: nobody else holds it
    return 0;
}

// Gives an unnamed temporary file a name in folder.
int nameTemporary(const QByteArray &folder, Temporary &temporary)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(temporary.fd);
    for (int attempt = 0; temporary.name.isEmpty() && attempt < 100; ++attempt) {
        const QByteArray name = randomName(folder, TemporaryPrefix, TemporarySuffix);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            temporary.name = name;
        else if (errno != EEXIST)
            return errno;
    }
    return temporary.name.isEmpty() ? EEXIST : 0;
}

// Copies the extended attributes (the ACL is one) of from to to; false when
// one cannot be kept.
bool copyAttributes(int from, int to)
{
    const ssize_t listSize = ::flistxattr(from, nullptr, 0);
    if (listSize < 0)
        return errno == ENOTSUP;
    QByteArray names(listSize, Qt::Uninitialized);
    if (::flistxattr(from, names.data(), size_t(names.size())) != listSize)
        return false;
    for (const QByteArray &attribute : names.split('\0')) {
        if (attribute.isEmpty())
            continue;
        const ssize_t size = ::fgetxattr(from, attribute.constData(), nullptr, 0);
        QByteArray value(qMax<ssize_t>(size, 0), Qt::Uninitialized);
        if (size < 0 ||
            ::fgetxattr(from, attribute.constData(), value.data(), size_t(value.size())) != size ||
            ::fsetxattr(to, attribute.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
    return true;
}

// Gives the new, still empty file everything the old one had: owner, group,
// attributes and permissions. False when one of them cannot be kept.
bool takeOver(int fd, const struct stat &old, int oldFd)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    if (!copyAttributes(oldFd, fd))
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0; // the umask or fchown took bits away
}

// Copies all of from, from offset start, over to, from its start: 0 or errno.
int copyBytes(int from, off_t start, int to)
{
    char buffer[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, start + at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        if (::lseek(to, at, SEEK_SET) < 0)
            return errno;
        if (const int error = writeAll(to, QByteArrayView(buffer, got)))
            return error;
        at += got;
    }
}

// Overwrites the file through fd from its start. Room for the new length is
// claimed before the first byte changes, so a full disk or quota stops the
// save with the file as it was (touched stays false).
int overwrite(int fd, const QByteArray &bytes, bool &touched)
{
    touched = false;
    if (!bytes.isEmpty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    touched = true;
    int error = ::lseek(fd, 0, SEEK_SET) < 0 ? errno : writeAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return error;
}

int syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    return closeKeeping(fd, ::fsync(fd) != 0 ? errno : 0);
}

// Writes the file in place, with its old bytes in a synced backup first that
// puts them back on any failure.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    const int oldFd = ::open(target.path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (oldFd < 0)
        return {errno, {}};
    const auto closeOld = qScopeGuard([oldFd] { ::close(oldFd); });
    QByteArray backup;
    int backupFd = -1;
    if (const int error = createBackup(oldFd, target.path, backup, backupFd))
        return {error, {}}; // nothing written yet

    bool touched = false;
    const int error = overwrite(target.fd, bytes, touched);
    // A file not touched yet needs nothing put back.
    const bool restored = error == 0 || !touched ||
                          (copyBytes(backupFd, off_t(backupHeaderSize(target.path)), target.fd) == 0 &&
                           ::ftruncate(target.fd, target.old.st_size) == 0 && ::fsync(target.fd) == 0);
    if (!restored) {
        ::close(backupFd);
        return {error, QFile::decodeName(backup)};
    }
    dropBackup(backup, backupFd);
    return {error, {}};
}

// Writes a new file beside the target and renames it over the target; where
// that cannot keep the old file as it was, writes it in place instead.
SaveResult writeBeside(const Target &target, const QByteArray &bytes)
{
    const bool replacing = target.fd >= 0;
    const QByteArray folder = folderOf(target.path);
    removeLeftovers(folder);
    Temporary temporary;
    int error = createTemporary(folder, replacing ? target.old.st_mode & 07777 : 0666, temporary);
    const bool folderRefuses = error == EACCES || error == EPERM || error == ENAMETOOLONG;
    if (error != 0)
        return replacing && folderRefuses ? writeInPlace(target, bytes) : SaveResult{error, {}};
    const auto discard = qScopeGuard([&temporary] {
        if (!temporary.name.isEmpty())
            ::unlink(temporary.name.constData());
        ::close(temporary.fd);
    });
    if (replacing && !takeOver(temporary.fd, target.old, target.fd))
        return writeInPlace(target, bytes);
    error = writeAll(temporary.fd, bytes);
    if (error == 0 && ::fsync(temporary.fd) != 0)
        error = errno;
    if (error == 0 && temporary.name.isEmpty())
        error = nameTemporary(folder, temporary);
    if (error == 0 && ::rename(temporary.name.constData(), target.path.constData()) != 0) {
        error = errno;
        if (replacing && (error == EPERM || error == EACCES)) // a sticky folder, another's file
            return writeInPlace(target, bytes);
    }
    if (error != 0)
        return {error, {}};
    temporary.name.clear(); // it is the file now
    // The list is in its place; a folder that cannot be synced loses nothing of it.
    syncFolder(folder);
    return {};
}

} // namespace

SaveResult replaceFile(const QString &path, const QByteArray &bytes)
{
    return replaceFileAt(QFile::encodeName(path), bytes);
}

SaveResult replaceFileAt(const QByteArray &path, const QByteArray &bytes)
{
    Target target;
    SaveResult result{openTarget(path, target), {}};
    if (result.error == 0 && target.fd >= 0)
        result.error = lockTarget(target.fd);
    if (result.error == 0) {
        // Other names of the file see the new list only if it is written in place.
        const bool linked = target.fd >= 0 && target.old.st_nlink > 1;
        result = linked ? writeInPlace(target, bytes) : writeBeside(target, bytes);
    }
    // The new bytes are synced in their place: what closing the old file says changes nothing of them.
    if (target.fd >= 0)
        ::close(target.fd);
    if (result.error == 0)
        removeBackupsOf(target.path); // out of date now
    return result;
}
