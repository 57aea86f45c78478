#include "files/safesave.h"
#include "support/fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534, OwnGroup = 65533;
constexpr int CannotDropRoot = 255; // no errno is that high
const QByteArray Old = QByteArray("old list ").repeated(20);
const QByteArray New("new list");
const QByteArray Longer = QByteArray("new list ").repeated(40); // longer than Old

QByteArray name(const QDir &dir, const QString &entry)
{
    return QFile::encodeName(dir.filePath(entry));
}

// The wait status of a child process that exits with what work returns. Root
// writes whatever the permission bits say, so as root an unprivileged child
// becomes nobody first, in a group of its own and member of nogroup.
int inChild(const std::function<int()> &work, bool unprivileged)
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

#define SKIP_WHEN_STILL_ROOT(status)                                                                         \
    if (WIFEXITED(status) && WEXITSTATUS(status) == CannotDropRoot)                                          \
    QSKIP("Run as root, and root cannot become nobody here: root may write any file.")

// Every entry of dir with its mode, owner, group and, for a file, its bytes,
// for a link where it leads.
QMap<QString, QString> entries(const QDir &dir)
{
    QMap<QString, QString> found;
    for (const QString &entry :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat info {};
        ::lstat(name(dir, entry).constData(), &info);
        QFile file(dir.filePath(entry));
        const bool regular = S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly);
        found[entry] =
            u"%1 %2:%3 "_s.arg(QString::number(info.st_mode, 8)).arg(info.st_uid).arg(info.st_gid) +
            (regular ? file.readAll() : QFile::encodeName(file.symLinkTarget()));
    }
    return found;
}

// A POSIX ACL that also lets the group OwnGroup write, as setfacl writes it.
QByteArray aclLettingGroupWrite()
{
    QByteArray acl("\x02\0\0\0", 4);
    const auto entry = [&acl](quint16 tag, quint16 perm, quint32 id) {
        acl.append(reinterpret_cast<const char *>(&tag), 2).append(reinterpret_cast<const char *>(&perm), 2);
        acl.append(reinterpret_cast<const char *>(&id), 4);
    };
    entry(0x01, 6, ~0u);      // owner
    entry(0x04, 4, ~0u);      // owning group
    entry(0x08, 6, OwnGroup); // a named group
    entry(0x10, 6, ~0u);      // mask
    entry(0x20, 4, ~0u);      // others
    return acl;
}

// The extended attributes of the file at path, as "name=value" lines.
QStringList attributes(const QByteArray &path)
{
    QByteArray names(4096, '\0');
    const ssize_t size = ::listxattr(path.constData(), names.data(), size_t(names.size()));
    QStringList found;
    for (const QByteArray &attribute : names.left(qMax<ssize_t>(size, 0)).split('\0')) {
        QByteArray value(4096, '\0');
        const ssize_t length = ::getxattr(path.constData(), attribute.constData(), value.data(), 4096);
        if (!attribute.isEmpty())
            found << QString::fromLatin1(attribute + '=' + value.left(qMax<ssize_t>(length, 0)).toHex());
    }
    found.sort();
    return found;
}

} // namespace

class FileBytesTest : public QObject {
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
        QTest::addColumn<QString>("target"); // what target.gls is, in a folder of nobody's when run as root
        QTest::addColumn<int>("error");      // 0: the new bytes are in every name of the file
        QTest::newRow("regular file") << "file" << 0;
        QTest::newRow("link to a file") << "link" << 0; // written through, the link stays
        QTest::newRow("disk full") << "full" << EFBIG;
        QTest::newRow("mode 444") << "444" << EACCES;
        QTest::newRow("named pipe") << "fifo" << ENXIO;
        QTest::newRow("device") << "device" << ENXIO;
        QTest::newRow("dangling link") << "dangling" << ENOENT;
        QTest::newRow("folder") << "folder" << EISDIR;
        QTest::newRow("file in a locked folder") << "locked" << 0;
        QTest::newRow("new file in a locked folder") << "locked, none" << EACCES;
        QTest::newRow("file with two hard links") << "linked" << 0;
        QTest::newRow("linked, the write fails: put back") << "linked, full" << EFBIG;
        QTest::newRow("name of 250 bytes") << "long name" << 0;
        QTest::newRow("another's file, mode 666") << "another's" << 0;
        QTest::newRow("another's file in a sticky folder") << "sticky" << 0;
        QTest::newRow("ACL and attribute kept") << "attributes" << 0;
    }
    void saveTargets()
    {
        QFETCH(QString, target);
        QFETCH(int, error);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QString fileName = target == "long name" ? QString(246, u'a') + u".gls"_s : u"target.gls"_s;
        const QByteArray path = name(dir, fileName);
        const QByteArray bytes = target == "linked, full" ? Longer : New;
        if (target == "fifo") {
            QCOMPARE(::mkfifo(path.constData(), 0644), 0);
        } else if (target == "device") {
            // /dev/full's numbers; only root may make the node, others link to it.
            if (::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
                QCOMPARE(::symlink("/dev/full", path.constData()), 0);
        } else if (target == "dangling") {
            QCOMPARE(::symlink("gone.gls", path.constData()), 0);
        } else if (target == "folder") {
            QVERIFY(dir.mkdir("target.gls"));
        } else if (target == "link") {
            QFile file(dir.filePath("twin.gls"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size());
            QCOMPARE(::symlink("twin.gls", path.constData()), 0);
        } else if (target != "locked, none") {
            QFile file(dir.filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size());
            const bool others = target == "another's" || target == "sticky";
            QCOMPARE(::fchmod(file.handle(), target == "444" ? 0444 : others ? 0666 : 0640), 0);
            if (target.startsWith("linked"))
                QCOMPARE(::link(path.constData(), name(dir, "twin.gls").constData()), 0);
            if (target == "attributes" && (::fsetxattr(file.handle(), "user.note", "x", 1, 0) != 0 ||
                                           ::fsetxattr(file.handle(), "system.posix_acl_access",
                                                       aclLettingGroupWrite().constData(), 44, 0) != 0))
                QSKIP("This file system keeps no extended attributes.");
        }
        for (const QString &entry : {u"."_s, fileName, u"twin.gls"_s})
            ::lchown(name(dir, entry).constData(), Nobody, NoGroup);
        if (target == "another's" || target == "sticky") // root's file, which nobody may write
            ::lchown(path.constData(), 0, 0);
        if (target == "sticky")
            ::lchown(name(dir, ".").constData(), 0, 0);
        const mode_t folderMode = target.startsWith("locked") ? 0555 : target == "sticky" ? 01777 : 0700;
        ::chmod(name(dir, ".").constData(), folderMode);
        const QStringList attributesBefore = attributes(path);
        QMap<QString, QString> expected = entries(dir);
        for (const QString &entry : {fileName, u"twin.gls"_s}) {
            if (error == 0 && expected.contains(entry) && !QFileInfo(dir.filePath(entry)).isSymLink())
                expected[entry] = expected[entry].section(u' ', 0, 1) + u' ' + bytes;
        }

        const int status = inChild(
            [&] {
                if (target.endsWith("full")) { // no write may pass 4 bytes, or 200 in place
                    std::signal(SIGXFSZ, SIG_IGN);
                    const rlimit small{target == "full" ? 4u : 200u, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &small);
                }
                return replaceFile(dir.filePath(fileName), bytes).error;
            },
            true);
        ::chmod(name(dir, ".").constData(), 0700);
        SKIP_WHEN_STILL_ROOT(status);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), error);
        QCOMPARE(entries(dir), expected); // nothing else changed, nothing left behind
        QCOMPARE(attributes(path), attributesBefore);
        QCOMPARE(leftoverBackups(), QStringList());
    }

    // A save killed while it writes beside the file leaves the old file whole
    // and nothing beside it; killed while it writes in place, it leaves the old
    // bytes in a backup that the next start names.
    void killedSaves()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QVERIFY(writeBytes(dir.filePath("old.gls"), Old));
        const auto killedSaving = [&] {
            return inChild(
                [&] {
                    const rlimit small{200, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &small);
                    std::signal(SIGXFSZ, SIG_DFL);
                    return replaceFile(dir.filePath("old.gls"), Longer).error;
                },
                false);
        };
        int status = killedSaving();
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        QCOMPARE(entries(dir).keys(), QStringList{"old.gls"});
        QCOMPARE(entries(dir).value("old.gls").section(u' ', 2), Old);
        QCOMPARE(leftoverBackups(), QStringList());

        QCOMPARE(::link(name(dir, "old.gls").constData(), name(dir, "twin.gls").constData()), 0);
        status = killedSaving();
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        const QStringList backups = leftoverBackups();
        QCOMPARE(backups.size(), 1);
        QVERIFY(backups[0].endsWith("-old.gls"));
        QFile backup(backups[0]);
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), Old);
        QCOMPARE(QFileInfo(backups[0]).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    }

    // Temporary files that killed saves left are removed by a later save in
    // their folder, unless a save holds them or may have just made them.
    void leftoversRemoved()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QStringList planted{".okv-stale.tmp", ".lista.gls.ordkvarnen-tmp", ".okv-held.tmp", ".okv-new.tmp"};
        for (const QString &entry : planted)
            QVERIFY(writeBytes(dir.filePath(entry), "x"));
        for (const QString &entry : planted.first(3)) {
            const timespec hourAgo[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, name(dir, entry).constData(), hourAgo, 0), 0);
        }
        QFile held(dir.filePath(".okv-held.tmp"));
        QVERIFY(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        QCOMPARE(replaceFile(dir.filePath("lista.gls"), New).error, 0);
        QCOMPARE(entries(dir).keys(), (QStringList{".okv-held.tmp", ".okv-new.tmp", "lista.gls"}));
    }

    // Two copies of the program saving the same file never collide: every
    // save succeeds and the file holds one of the lists whole.
    void twoSavers()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QByteArray lists[2] = {QByteArray("first ").repeated(500), QByteArray("second ").repeated(400)};
        pid_t savers[2];
        for (int i = 0; i < 2; ++i) {
            if ((savers[i] = ::fork()) == 0) {
                int failures = 0;
                for (int save = 0; save < 100; ++save)
                    failures += replaceFile(dir.filePath("lista.gls"), lists[i]).error != 0;
                ::_exit(failures);
            }
        }
        for (const pid_t saver : savers) {
            int status = -1;
            ::waitpid(saver, &status, 0);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        QCOMPARE(entries(dir).keys(), QStringList{"lista.gls"});
        const QString kept = entries(dir).value("lista.gls").section(u' ', 2);
        QVERIFY(kept == lists[0] || kept == lists[1]);
    }
};

QTEST_GUILESS_MAIN(FileBytesTest)
#include "tst_filebytes.moc"
