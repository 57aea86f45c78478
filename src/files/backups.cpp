#include "files/backups.h"

#include "files/filebytes.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A backup begins with the path of its file: "ordkvarnen-backup\n", its length and a line end, the path.
constexpr char Magic[] = "ordkvarnen-backup\n";
constexpr char PartSuffix[] = ".part";

QByteArray header(const QByteArray &target)
{
    return Magic + QByteArray::number(target.size()) + '\n' + target;
}

// Makes folder and those above it, the last for the user alone: 0 or errno.
int makeFolder(const QByteArray &folder)
{
    for (qsizetype at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/')
            continue;
        const QByteArray step = folder.left(at);
        if (::mkdir(step.constData(), at == folder.size() ? 0700 : 0777) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

// Copies all that from reads to to, from their starts: 0 or errno.
int copyAll(int from, int to)
{
    char buffer[64 * 1024];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(from, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        if (const int error = writeAll(to, QByteArrayView(buffer, got)))
            return error;
        at += got;
    }
}

// The target a backup's first bytes name; nothing when they name none.
std::optional<QByteArray> targetOf(int fd)
{
    QByteArray start(sizeof Magic - 1 + 12, Qt::Uninitialized);
    const ssize_t got = ::pread(fd, start.data(), size_t(start.size()), 0);
    start.truncate(qMax<ssize_t>(got, 0));
    if (!start.startsWith(Magic))
        return std::nullopt;
    const qsizetype lineEnd = start.indexOf('\n', sizeof Magic - 1);
    bool number = false;
    const qsizetype length =
        start.mid(sizeof Magic - 1, lineEnd - qsizetype(sizeof Magic) + 1).toLongLong(&number);
    if (lineEnd < 0 || !number || length <= 0 || length > 64 * 1024)
        return std::nullopt;
    QByteArray target(length, Qt::Uninitialized);
    if (::pread(fd, target.data(), size_t(length), off_t(lineEnd + 1)) != length)
        return std::nullopt;
    return target;
}

// Every backup in the folder that no running save holds, with its file.
template <class Visit> void eachBackup(Visit visit)
{
    const QByteArray folder = QFile::encodeName(backupFolder());
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const auto closeDir = qScopeGuard([dir] { ::closedir(dir); });
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            visit(folder + '/' + name, fd, info);
        ::close(fd);
    }
}

} // namespace

QString backupFolder()
{
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || QDir::isRelativePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/ordkvarnen/backups");
}

qint64 backupHeaderSize(const QByteArray &target)
{
    return header(target).size();
}

int createBackup(int oldFd, const QByteArray &target, QByteArray &name, int &fd)
{
    const QByteArray folder = QFile::encodeName(backupFolder());
    if (const int error = makeFolder(folder))
        return error;
    const QByteArray random = QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    const QByteArray part = folder + "/." + random + PartSuffix;
    fd = ::open(part.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::flock(fd, LOCK_EX | LOCK_NB); // new: nobody else holds it
    const qsizetype slash = target.lastIndexOf('/');
    name = folder + '/' + random + '-' + target.mid(slash + 1).left(100);
    int error = writeAll(fd, header(target));
    if (error == 0)
        error = copyAll(oldFd, fd);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error == 0 && ::rename(part.constData(), name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(part.constData());
        return closeKeeping(fd, error);
    }
    // Its name reaches the disk too; a folder that cannot be synced leaves it no less whole.
    if (const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}

void dropBackup(const QByteArray &name, int fd)
{
    // Emptied first: one that cannot be removed then names nothing.
    [[maybe_unused]] const int emptied = ::ftruncate(fd, 0);
    ::unlink(name.constData());
    ::close(fd);
}

QList<Backup> leftoverBackups()
{
    QList<Backup> found;
    eachBackup([&found](const QByteArray &path, int fd, const struct stat &info) {
        const std::optional<QByteArray> target = targetOf(fd);
        const bool part = path.endsWith(PartSuffix) && path.contains("/.");
        if (part || info.st_size == 0) // cut short while copied, or emptied after a complete save
            ::unlink(path.constData());
        else
            found.append({QFile::decodeName(path), target.value_or(QByteArray())});
    });
    return found;
}

std::optional<QByteArray> backupBytes(const Backup &backup)
{
    QFile file(backup.file);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const qsizetype skip = backup.target.isEmpty() ? 0 : backupHeaderSize(backup.target);
    if (file.error() != QFile::NoError || bytes.size() < skip)
        return std::nullopt;
    return bytes.mid(skip);
}

void removeBackup(const Backup &backup)
{
    QFile::remove(backup.file);
}

void removeBackupsOf(const QByteArray &target)
{
    // The file by any of its names: a hard link saved is the same file.
    struct stat saved {};
    const bool known = ::stat(target.constData(), &saved) == 0;
    eachBackup([&](const QByteArray &path, int fd, const struct stat &) {
        const std::optional<QByteArray> of = targetOf(fd);
        struct stat info {};
        if (of && (*of == target || (known && ::stat(of->constData(), &info) == 0 &&
                                     info.st_dev == saved.st_dev && info.st_ino == saved.st_ino)))
            ::unlink(path.constData());
    });
}
