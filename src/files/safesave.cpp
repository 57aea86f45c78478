#include "files/safesave.h"

#include "files/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

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

QByteArray randomName(const QString &folder, const char *prefix, const QString &suffix)
{
    const quint64 random = QRandomGenerator::system()->generate64();
    return QFile::encodeName(folder + u'/' + QString::fromLatin1(prefix) + QString::number(random, 36) + suffix);
}

// Removes the temporary files that killed saves left in folder: those no
// running save holds locked, and old enough to be no save just begun.
void removeLeftovers(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    DIR *dir = ::opendir(name.constData());
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

int createTemporary(const QString &folder, mode_t mode, Temporary &temporary)
{
    temporary.fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (temporary.fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return errno;
    for (int attempt = 0; temporary.fd < 0 && attempt < 100; ++attempt) {
        temporary.name = randomName(folder, TemporaryPrefix, QString::fromLatin1(TemporarySuffix));
        temporary.fd = ::open(temporary.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (temporary.fd < 0 && errno != EEXIST)
            return errno;
    }
    if (temporary.fd < 0)
        return EEXIST;
    ::flock(temporary.fd, LOCK_EX | LOCK_NB); // new: nobody else holds it
    return 0;
}

// Gives an unnamed temporary file a name in folder.
int nameTemporary(const QString &folder, Temporary &temporary)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(temporary.fd);
    for (int attempt = 0; temporary.name.isEmpty() && attempt < 100; ++attempt) {
        const QByteArray name = randomName(folder, TemporaryPrefix, QString::fromLatin1(TemporarySuffix));
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
        if (size < 0 || ::fgetxattr(from, attribute.constData(), value.data(), size_t(value.size())) != size ||
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

// Copies all of from, from its start, over to, from its start: 0 or errno.
int copyBytes(int from, int to)
{
    char buffer[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, at);
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
// save with the file as it was.
int overwrite(int fd, const QByteArray &bytes)
{
    if (!bytes.isEmpty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    int error = ::lseek(fd, 0, SEEK_SET) < 0 ? errno : writeAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return error;
}

int syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    return closeKeeping(fd, ::fsync(fd) != 0 ? errno : 0);
}

// Writes the file in place, with its old bytes in a synced backup first that
// puts them back on any failure.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    const int oldFd = ::open(QFile::encodeName(target.path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (oldFd < 0)
        return {errno, {}};
    const auto closeOld = qScopeGuard([oldFd] { ::close(oldFd); });
    // Only the user may read the backups, whatever the umask.
    const QString folder = backupFolder();
    QDir().mkpath(QFileInfo(folder).path());
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    const QByteArray backup = randomName(folder, "", u'-' + QFileInfo(target.path).fileName().left(100));
    const int backupFd = ::open(backup.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (backupFd < 0)
        return {errno, {}};
    int error = copyBytes(oldFd, backupFd);
    if (error == 0 && ::fsync(backupFd) != 0)
        error = errno;
    if (error == 0)
        syncFolder(folder);
    if (error != 0) { // nothing written yet
        ::unlink(backup.constData());
        return {closeKeeping(backupFd, error), {}};
    }

    error = overwrite(target.fd, bytes);
    bool restored = error == 0;
    if (error != 0) {
        restored = copyBytes(backupFd, target.fd) == 0 && ::ftruncate(target.fd, target.old.st_size) == 0 &&
                   ::fsync(target.fd) == 0;
    }
    ::close(backupFd);
    if (!restored)
        return {error, QFile::decodeName(backup)};
    ::unlink(backup.constData());
    return {error, {}};
}

// Writes a new file beside the target and renames it over the target; where
// that cannot keep the old file as it was, writes it in place instead.
SaveResult writeBeside(const Target &target, const QByteArray &bytes)
{
    const bool replacing = target.fd >= 0;
    const QString folder = QFileInfo(target.path).absolutePath();
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
    if (error == 0 && ::rename(temporary.name.constData(), QFile::encodeName(target.path).constData()) != 0) {
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
    Target target;
    SaveResult result{openTarget(path, target), {}};
    if (result.error == 0) {
        // Other names of the file see the new list only if it is written in place.
        const bool linked = target.fd >= 0 && target.old.st_nlink > 1;
        result = linked ? writeInPlace(target, bytes) : writeBeside(target, bytes);
    }
    if (target.fd >= 0)
        result.error = closeKeeping(target.fd, result.error);
    return result;
}

QString backupFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/ordkvarnen/backups");
}

QStringList leftoverBackups()
{
    const QDir folder(backupFolder());
    QStringList found;
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        found << folder.filePath(entry);
    return found;
}
