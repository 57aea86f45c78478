#include "files/filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534, OwnGroup = 65533;
constexpr int CannotDropRoot = 255; // no errno is that high
const QByteArray Old = QByteArray("old list ").repeated(20);
const QByteArray New("new list");

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

} // namespace

class FileBytesTest : public QObject {
    Q_OBJECT

private slots:
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
    }
    void saveTargets()
    {
        QFETCH(QString, target);
        QFETCH(int, error);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        const QByteArray path = name(dir, "target.gls");
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
            QFile file(dir.filePath("target.gls"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size());
            QCOMPARE(::fchmod(file.handle(), target == "444" ? 0444 : 0640), 0);
            if (target == "linked")
                QCOMPARE(::link(path.constData(), name(dir, "twin.gls").constData()), 0);
        }
        for (const QString &entry : {u"."_s, u"target.gls"_s, u"twin.gls"_s})
            ::lchown(name(dir, entry).constData(), Nobody, NoGroup);
        ::chmod(name(dir, ".").constData(), target.startsWith("locked") ? 0555 : 0700);
        QMap<QString, QString> expected = entries(dir);
        for (const QString &entry : {u"target.gls"_s, u"twin.gls"_s}) {
            if (error == 0 && expected.contains(entry) && !QFileInfo(dir.filePath(entry)).isSymLink())
                expected[entry] = expected[entry].section(u' ', 0, 1) + u' ' + New;
        }

        const int status = inChild(
            [&] {
                if (target == "full") { // no write may pass 4 bytes
                    std::signal(SIGXFSZ, SIG_IGN);
                    const rlimit small{4, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &small);
                }
                return replaceFile(dir.filePath("target.gls"), New);
            },
            true);
        ::chmod(name(dir, ".").constData(), 0700);
        SKIP_WHEN_STILL_ROOT(status);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), error);
        QCOMPARE(entries(dir), expected); // nothing else changed, nothing left behind
    }

    // Saves killed while writing leave one file named after the target, with
    // the target's permissions and group before a byte is in it; the next save
    // replaces it and keeps them.
    void interruptedSaves()
    {
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QFile file(dir.filePath("old.gls"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Old) == Old.size() && file.flush());
        QCOMPARE(::fchmod(file.handle(), 0660), 0); // the umask below takes 020 away
        // Root's file, in a group that nobody may give, in nobody's folder: nobody saves it.
        const bool root = ::geteuid() == 0;
        const uid_t saver = root ? Nobody : ::geteuid();
        const gid_t group = root ? NoGroup : ::getegid();
        QCOMPARE(::fchown(file.handle(), root ? 0 : saver, group), 0);
        ::chown(name(dir, ".").constData(), Nobody, NoGroup);
        const auto save = [&dir] { return replaceFile(dir.filePath("old.gls"), New); };
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int status = inChild(
                [&save] {
                    ::umask(022);
                    const rlimit small{4, RLIM_INFINITY};
                    ::setrlimit(RLIMIT_FSIZE, &small);
                    std::signal(SIGXFSZ, SIG_DFL);
                    return save();
                },
                true);
            SKIP_WHEN_STILL_ROOT(status);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
        }
        const auto kept = [group](uid_t owner, const QByteArray &bytes) {
            return u"100660 %1:%2 "_s.arg(owner).arg(group) + bytes;
        };
        using Entries = QMap<QString, QString>;
        QCOMPARE(entries(dir), Entries({{".old.gls.ordkvarnen-tmp", kept(saver, New.left(4))},
                                        {"old.gls", kept(root ? 0 : saver, Old)}}));
        QCOMPARE(inChild(save, true), 0);
        QCOMPARE(entries(dir), Entries({{"old.gls", kept(saver, New)}}));
    }
};

QTEST_GUILESS_MAIN(FileBytesTest)
#include "tst_filebytes.moc"
