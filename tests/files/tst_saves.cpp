// A save never damages the file that was there. This program also stands in for fsync(2), ftruncate(2),
// close(2) and unlink(2), to see what a save syncs and to make them fail.
#include "files/backups.h"
#include "files/safesave.h"
#include "support/fakes.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <dlfcn.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534, OwnGroup = 65533;
constexpr int CannotDropRoot = 255; // no errno is that high
const QByteArray Old = QByteArray("old list ").repeated(20), New("new list");
const QByteArray Longer = QByteArray("new list ").repeated(40);

QStringList synced; // what each fsync was given, with the names it had then
QString failSync;   // the next failSyncs fsyncs of this name fail with EIO
int failSyncs = 0;
bool failTruncate = false; // the next ftruncate fails with EIO
QString failClose;         // closing this name fails with EIO (once it is closed)
QString failUnlink;        // removing a name that begins with this fails with EACCES

template <class F> F real(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

QByteArray name(const QDir &dir, const QString &entry)
{
    return QFile::encodeName(dir.filePath(entry));
}

// The backups the next start would offer, each as its file and the file it belongs to.
QStringList leftovers()
{
    QStringList found;
    for (const Backup &backup : leftoverBackups())
        found << backup.file + u" of "_s + QFile::decodeName(backup.target);
    return found;
}

// The wait status of a child that exits with what work returns. As root, an unprivileged child becomes
// nobody, in a group of its own and member of nogroup.
int inChild(const std::function<int()> &work, bool unprivileged = false)
{
    if (const pid_t pid = ::fork(); pid != 0) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        return status;
    }
    const bool asRoot = !unprivileged || ::geteuid() != 0;
    ::_exit(asRoot || (::setgroups(1, &NoGroup) == 0 && ::setgid(OwnGroup) == 0 && ::setuid(Nobody) == 0)
                ? work()
                : CannotDropRoot);
}

// Every entry of dir with its mode, owner, group, extended attributes and bytes, or where a link leads.
QMap<QString, QString> entries(const QDir &dir)
{
    QMap<QString, QString> found;
    for (const QString &entry :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat info {};
        ::lstat(name(dir, entry).constData(), &info);
        QByteArray names(4096, '\0'), attributes;
        names.resize(qMax<ssize_t>(::llistxattr(name(dir, entry).constData(), names.data(), 4096), 0));
        for (const QByteArray &attribute : names.split('\0')) {
            QByteArray value(4096, '\0');
            value.resize(qMax<ssize_t>(
                ::lgetxattr(name(dir, entry).constData(), attribute.constData(), value.data(), 4096), 0));
            attributes += attribute.isEmpty() ? QByteArray() : attribute + '=' + value.toHex() + ' ';
        }
        found[entry] =
            u"%1 %2:%3 "_s.arg(QString::number(info.st_mode, 8)).arg(info.st_uid).arg(info.st_gid) +
            attributes + '|' +
            (S_ISREG(info.st_mode) ? readBytes(dir.filePath(entry))
                                   : QFile::encodeName(QFile::symLinkTarget(dir.filePath(entry))));
    }
    return found;
}

// A POSIX ACL that also lets the group OwnGroup (65533) write, as setfacl writes it.
const QByteArray AclLettingGroupWrite = QByteArray::fromHex("0200000001000600ffffffff"
                                                            "04000400ffffffff08000600fdff0000"
                                                            "10000600ffffffff20000400ffffffff");

struct Target {
    const char *name; // what target.gls is, in a folder of nobody's when run as root
    int error;        // 0: the new bytes are in every name of the file
};
struct Failure {
    const char *name;
    bool linked;
    QString failing; // the folder's sync, the cut, the file's sync once or always
    int error;
    bool newBytes, backupKept; // else the old bytes
};
} // namespace

extern "C" int fsync(int fd)
{
    synced << QFile::symLinkTarget(u"/proc/self/fd/%1"_s.arg(fd));
    if (failSyncs > 0 && synced.last() == failSync)
        return --failSyncs, errno = EIO, -1;
    return real<int (*)(int)>("fsync")(fd);
}

extern "C" int close(int fd)
{
    const bool fail =
        !failClose.isEmpty() && QFile::symLinkTarget(u"/proc/self/fd/%1"_s.arg(fd)) == failClose;
    const int closed = real<int (*)(int)>("close")(fd);
    return fail ? (errno = EIO, -1) : closed;
}

extern "C" int unlink(const char *path)
{
    if (!failUnlink.isEmpty() && QFile::decodeName(path).startsWith(failUnlink))
        return errno = EACCES, -1;
    return real<int (*)(const char *)>("unlink")(path);
}

extern "C" int ftruncate(int fd, off_t length)
{
    if (std::exchange(failTruncate, false))
        return errno = EIO, -1;
    return real<int (*)(int, off_t)>("ftruncate")(fd, length);
}

class TestSaves : public QObject {
    Q_OBJECT

    QTemporaryDir m_cache; // the backups of these saves, open to nobody too

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        ::chown(QFile::encodeName(m_cache.path()).constData(), Nobody, NoGroup);
    }

    void saveTargets_data()
    {
        // A link is written through and stays; "locked, none" is a new file in a locked folder; "linked" has
        // two hard links, and when its write fails the old bytes are put back; "long name" has 250 bytes;
        // "another's" is root's, mode 666, "sticky" that in a sticky folder; "attributes" has an ACL and a
        // user attribute, both kept.
        const QList<const char *> targets{"file",      "link",         "full",     "444",
                                          "fifo",      "device",       "dangling", "folder",
                                          "locked",    "locked, none", "linked",   "linked, full",
                                          "long name", "another's",    "sticky",   "attributes"};
        const QList<int> errors{0, 0,      EFBIG, EACCES, ENXIO, ENXIO, ENOENT, EISDIR,
                                0, EACCES, 0,     EFBIG,  0,     0,     0,      0};
        QList<Target> rows;
        for (qsizetype i = 0; i < targets.size(); ++i)
            rows.append({targets[i], errors[i]});
        addRows(rows);
    }
    void saveTargets()
    {
        QFETCH(Target, row);
        const QString target = QString::fromLatin1(row.name);
        const QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QString fileName = target == u"long name" ? QString(246, u'a') + u".gls"_s : u"target.gls"_s;
        const QByteArray path = name(dir, fileName), bytes = target == u"linked, full" ? Longer : New;
        const bool others = target == u"another's" || target == u"sticky";
        if (target == u"fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        } else if (target == u"device") { // /dev/full's numbers; only root may make the node
            if (::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                QCOMPARE(::symlink("/dev/full", path.constData()), 0);
        } else if (target == u"dangling" || target == u"link") {
            QVERIFY(target == u"dangling" || writeBytes(dir.filePath(u"twin.gls"_s), Old));
            QCOMPARE(::symlink(target == u"link" ? "twin.gls" : "gone.gls", path.constData()), 0);
        } else if (target == u"folder") {
            QVERIFY(dir.mkdir(u"target.gls"_s));
        } else if (target != u"locked, none") {
            QFile file(dir.filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size());
            QCOMPARE(::fchmod(file.handle(), target == u"444" ? 0444 : others ? 0666 : 0640), 0);
            if (target.startsWith(u"linked"))
                QCOMPARE(::link(path.constData(), name(dir, u"twin.gls"_s).constData()), 0);
            if (target == u"attributes" && (::fsetxattr(file.handle(), "user.note", "x", 1, 0) != 0 ||
                                            ::fsetxattr(file.handle(), "system.posix_acl_access",
                                                        AclLettingGroupWrite.constData(), 44, 0) != 0))
                QSKIP("This file system keeps no extended attributes.");
        }
        for (const QString &entry : {u"."_s, fileName, u"twin.gls"_s})
            ::lchown(name(dir, entry).constData(), Nobody, NoGroup);
        if (others) // root's file, which nobody may write
            ::lchown(path.constData(), 0, 0);
        if (target == u"sticky")
            ::lchown(name(dir, u"."_s).constData(), 0, 0);
        ::chmod(name(dir, u"."_s).constData(), target.startsWith(u"locked") ? 0555
                                               : target == u"sticky"        ? 01777
                                                                            : 0700);
        QMap<QString, QString> expected = entries(dir);
        for (const QString &entry : {fileName, u"twin.gls"_s})
            if (row.error == 0 && expected.contains(entry) && !QFileInfo(dir.filePath(entry)).isSymLink())
                expected[entry] = expected[entry].section(u'|', 0, 0) + u'|' + bytes;

        const int status = inChild(
            [&] {
                if (target.endsWith(u"full")) { // no write may pass 4 bytes, or 200 in place
                    std::signal(SIGXFSZ, SIG_IGN);
                    const rlimit small{target == u"full" ? 4u : 200u, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &small);
                }
                return replaceFile(dir.filePath(fileName), bytes).error;
            },
            true);
        ::chmod(name(dir, u"."_s).constData(), 0700);
        if (WIFEXITED(status) && WEXITSTATUS(status) == CannotDropRoot)
            QSKIP("Run as root, and root cannot become nobody here: root may write any file.");
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), row.error);
        QCOMPARE(entries(dir), expected); // nothing else changed, nothing left behind
        QCOMPARE(leftovers(), QStringList());
    }

    // Killed while it writes beside the file, a save leaves the old file whole and nothing beside it; killed
    // while it writes in place, the old bytes in a backup the next start names, until a later save of the
    // file; killed while it copies the old bytes aside, nothing to name.
    void killedSaves()
    {
        const QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QVERIFY(writeBytes(dir.filePath(u"old.gls"_s), Old));
        const auto killedSaving = [&](rlim_t limit = 300) {
            const int status = inChild([&] {
                const rlimit small{limit, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &small);
                std::signal(SIGXFSZ, SIG_DFL);
                return replaceFile(dir.filePath(u"old.gls"_s), Longer).error;
            });
            return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
        };
        QVERIFY(killedSaving());
        QCOMPARE(entries(dir).keys(), QStringList{"old.gls"});
        QCOMPARE(readBytes(dir.filePath(u"old.gls"_s)), Old);
        QCOMPARE(leftovers(), QStringList());

        QCOMPARE(::link(name(dir, u"old.gls"_s).constData(), name(dir, u"twin.gls"_s).constData()), 0);
        QVERIFY(killedSaving(100)); // the backup's copy of the old bytes passes the limit
        QCOMPARE(leftovers(), QStringList());
        QCOMPARE(readBytes(dir.filePath(u"old.gls"_s)), Old);
        QVERIFY(killedSaving());
        const QList<Backup> backups = leftoverBackups();
        QVERIFY(backups.size() == 1 && backups[0].file.endsWith(u"-old.gls"_s));
        QCOMPARE(QFile::decodeName(backups[0].target),
                 QFileInfo(dir.filePath(u"old.gls"_s)).canonicalFilePath());
        QCOMPARE(backupBytes(backups[0]), std::optional<QByteArray>(Old));
        QCOMPARE(QFileInfo(backups[0].file).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
        QCOMPARE(replaceFile(dir.filePath(u"twin.gls"_s), New).error, 0); // the same file by another name
        QCOMPARE(leftovers(), QStringList());
    }

    // Temporary files of killed saves go with a later save in their folder, unless a save holds them or may
    // have just made them.
    void leftoversRemoved()
    {
        const QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QStringList planted{".okv-stale.tmp", ".lista.gls.ordkvarnen-tmp", ".okv-held.tmp",
                                  ".okv-new.tmp"};
        const timespec hourAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
        for (const QString &entry : planted)
            QVERIFY(writeBytes(dir.filePath(entry), "x") &&
                    (entry == planted[3] ||
                     ::utimensat(AT_FDCWD, name(dir, entry).constData(), hourAgo, 0) == 0));
        QFile held(dir.filePath(u".okv-held.tmp"_s));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        QCOMPARE(replaceFile(dir.filePath(u"lista.gls"_s), New).error, 0);
        QCOMPARE(entries(dir).keys(), (QStringList{".okv-held.tmp", ".okv-new.tmp", "lista.gls"}));
    }

    // Two copies of the program saving one file never collide, beside it or in place: every save succeeds
    // and the file holds one of the lists whole.
    void twoSavers()
    {
        for (const bool inPlace : {false, true}) {
            const QTemporaryDir temporary;
            const QString path = temporary.filePath(u"lista.gls"_s);
            const QByteArray lists[2] = {QByteArray("first ").repeated(500),
                                         QByteArray("second ").repeated(400)};
            if (inPlace) // another name of the file: written in place
                QVERIFY(writeBytes(path, "x") && QFile::link(path, temporary.filePath(u"twin.gls"_s)));
            pid_t savers[2];
            for (int i = 0; i < 2; ++i) {
                if ((savers[i] = ::fork()) == 0) {
                    int failures = 0;
                    for (int save = 0; save < 100; ++save)
                        failures += replaceFile(path, lists[i]).error != 0;
                    ::_exit(failures);
                }
            }
            for (const pid_t saver : savers) {
                int status = -1;
                ::waitpid(saver, &status, 0);
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            }
            QCOMPARE(QDir(temporary.path()).entryList(QDir::Files | QDir::Hidden).size(), inPlace ? 2 : 1);
            QVERIFY(readBytes(path) == lists[0] || readBytes(path) == lists[1]);
            QCOMPARE(leftovers(), QStringList());
        }
    }

    // A folder whose name is not UTF-8 is saved into as the system names it, through a link into it and with
    // the file in place.
    void foldersNamedInAnyBytes()
    {
        const QTemporaryDir temporary;
        const QByteArray folder = QFile::encodeName(temporary.path()) + "/m\xE5pp";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        QCOMPARE(::symlink(folder.constData(), name(QDir(temporary.path()), u"länk"_s).constData()), 0);
        const auto removeFolder = qScopeGuard([&folder] { // Qt cannot name it
            for (const char *file : {"/lista.gls", "/tvilling.gls", "/ny.gls"})
                ::unlink((folder + file).constData());
            ::rmdir(folder.constData());
        });
        const QString path = temporary.filePath(u"länk/lista.gls"_s);
        QCOMPARE(replaceFile(path, Old).error, 0);
        QCOMPARE(::link((folder + "/lista.gls").constData(), (folder + "/tvilling.gls").constData()), 0);
        QCOMPARE(replaceFile(path, New).error, 0);
        QCOMPARE(readBytes(temporary.filePath(u"länk/tvilling.gls"_s)), New);
        QCOMPARE(replaceFileAt(folder + "/ny.gls", New).error, 0);
        QCOMPARE(readBytes(temporary.filePath(u"länk/ny.gls"_s)), New);
    }

    // The new file's bytes reach the disk before it takes the old one's name, the folder's entry after; in
    // place, the old bytes go to a synced backup first.
    void savesReachTheDisk()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.gls"_s), folder = QFileInfo(dir.path()).canonicalFilePath();
        const QString backups = m_cache.filePath(u"ordkvarnen/backups"_s);
        for (const QByteArray &bytes : {QByteArray("\x01"), QByteArray("\x03\0\0\x01\0a\x01\0b", 9)}) {
            synced.clear();
            QCOMPARE(replaceFile(path, bytes).error, 0);
            QVERIFY2(synced.size() == 2 && synced[0].startsWith(folder + u"/#"_s) && synced[1] == folder,
                     qPrintable(synced.join(u' '))); // the new file, unnamed yet, then the folder
        }
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + u'2').constData()), 0);
        synced.clear();
        QCOMPARE(replaceFile(path, "\x01").error, 0);
        QCOMPARE(synced.size(), 3);
        QVERIFY(synced[0].startsWith(backups + u"/."_s) && synced[0].endsWith(u".part"_s) &&
                synced[1] == backups);
        QCOMPARE(synced[2], folder + u"/lista.gls"_s);
        QCOMPARE(leftovers(), QStringList()); // gone once the save is complete
    }

    // A failed sync after the rename does not fail the save; where the in-place write fails, the old bytes go
    // back, and where even that fails, they stay in the backup the result names. Once the new bytes are
    // synced in place the save has succeeded, whatever closing says; a backup that cannot be removed names
    // nothing.
    void failures()
    {
        for (const Failure &row :
             QList<Failure>{{"folder sync fails after the rename", false, "folder", 0, true, false},
                            {"in place: closing fails after the sync", true, "close", 0, true, false},
                            {"in place: the backup cannot be removed", true, "unlink", 0, true, false},
                            {"in place: no backup folder can be made", true, "cache", ENOTDIR, false, false},
                            {"in place: the cut fails, old bytes back", true, "truncate", EIO, false, false},
                            {"in place: the sync fails, old bytes back", true, "file", EIO, false, false},
                            {"in place: putting back fails too", true, "file, always", EIO, false, true}}) {
            NAME_ROW_ON_FAILURE(row);
            const QTemporaryDir dir;
            const QString path = dir.filePath(u"lista.gls"_s),
                          folder = QFileInfo(dir.path()).canonicalFilePath();
            const QByteArray old("old bytes, more of them than new"), fresh("new");
            QVERIFY(writeBytes(path, old));
            if (row.linked)
                QCOMPARE(
                    ::link(QFile::encodeName(path).constData(), QFile::encodeName(path + u'2').constData()),
                    0);
            failTruncate = row.failing == u"truncate";
            failClose = row.failing == u"close" ? folder + u"/lista.gls"_s : QString();
            failUnlink = row.failing == u"unlink" ? m_cache.filePath(u"ordkvarnen"_s) : QString();
            const QByteArray cache = qgetenv("XDG_CACHE_HOME");
            if (row.failing == u"cache") // a file where the cache folder should be
                qputenv("XDG_CACHE_HOME", QFile::encodeName(path + u'2'));
            failSync = row.failing == u"folder" ? folder : folder + u"/lista.gls"_s;
            failSyncs = row.failing == u"folder" || row.failing == u"file" ? 1
                        : row.failing == u"file, always"                   ? 9
                                                                           : 0;
            const SaveResult result = replaceFile(path, fresh);
            failSyncs = 0;
            failTruncate = false;
            failClose = failUnlink = QString();
            qputenv("XDG_CACHE_HOME", cache);
            QCOMPARE(result.error, row.error);
            QVERIFY(row.backupKept || readBytes(path) == (row.newBytes ? fresh : old));
            const QList<Backup> kept = leftoverBackups();
            QCOMPARE(kept.size(), row.backupKept ? 1 : 0);
            QVERIFY(!row.backupKept || (kept[0].file == result.backup && backupBytes(kept[0]) == old &&
                                        QFile::remove(result.backup)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSaves)
#include "tst_saves.moc"
