// A save is durable: the new file's bytes reach the disk before it takes the
// old one's name, and the folder's new entry after; a file written in place
// has its old bytes in a synced backup first. This test program stands in for
// fsync(2) and ftruncate(2) to see what the save syncs, in which order, and
// to make them fail.
#include "files/safesave.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QStringList synced;      // what each fsync was given, with the names it had then
QString failSync;          // the next failSyncs fsyncs of this name fail with EIO
int failSyncs = 0;
bool failTruncate = false; // the next ftruncate fails with EIO

QString nameOf(int fd)
{
    return QFileInfo(u"/proc/self/fd/%1"_s.arg(fd)).symLinkTarget();
}

template <class F> F real(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" int fsync(int fd)
{
    synced << nameOf(fd);
    if (failSyncs > 0 && synced.last() == failSync) {
        --failSyncs;
        errno = EIO;
        return -1;
    }
    static const auto sync = real<int (*)(int)>("fsync");
    return sync(fd);
}

extern "C" int ftruncate(int fd, off_t length)
{
    if (std::exchange(failTruncate, false)) {
        errno = EIO;
        return -1;
    }
    static const auto truncate = real<int (*)(int, off_t)>("ftruncate");
    return truncate(fd, length);
}

class TestSaveSync : public QObject {
    Q_OBJECT

    QTemporaryDir m_cache;
    QString m_backups;

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        m_backups = m_cache.filePath(u"ordkvarnen/backups"_s);
    }

    void savesReachTheDisk()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.gls"_s);
        const QString folder = QFileInfo(dir.path()).canonicalFilePath();
        for (const QByteArray &bytes : {QByteArray("\x01"), QByteArray("\x03\0\0\x01\0a\x01\0b", 9)}) {
            synced.clear();
            QCOMPARE(replaceFile(path, bytes).error, 0);
            QCOMPARE(synced.size(), 2); // the new file, unnamed yet, then the folder
            QVERIFY2(synced[0].startsWith(folder + u"/#"_s) && synced[1] == folder, qPrintable(synced.join(u' ')));
        }
        // A file with a second name is written where it is, its old bytes kept aside first.
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(dir.filePath(u"tvilling.gls"_s)).constData()),
                 0);
        synced.clear();
        QCOMPARE(replaceFile(path, "\x01").error, 0);
        QCOMPARE(synced.size(), 3);
        QVERIFY(synced[0].startsWith(m_backups + u'/') && synced[1] == m_backups);
        QCOMPARE(synced[2], folder + u"/lista.gls"_s);
        QCOMPARE(leftoverBackups(), QStringList()); // gone once the save is complete
    }

    // Where syncing fails after the new list is in its place, the save is done.
    // Where the in-place write fails, the old bytes go back; where even that
    // fails, they stay in the backup, which the result names.
    void failures_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("failing"); // what fails: the folder's sync, the cut, the file's sync once or always
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("newBytes"); // else the old ones
        QTest::addColumn<bool>("backupKept");
        QTest::newRow("folder sync fails after the rename") << false << "folder" << 0 << true << false;
        QTest::newRow("in place: the cut fails, old bytes back") << true << "truncate" << EIO << false << false;
        QTest::newRow("in place: the sync fails, old bytes back") << true << "file" << EIO << false << false;
        QTest::newRow("in place: putting back fails too") << true << "file, always" << EIO << false << true;
    }
    void failures()
    {
        QFETCH(bool, linked);
        QFETCH(QString, failing);
        QFETCH(int, error);
        QFETCH(bool, newBytes);
        QFETCH(bool, backupKept);
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.gls"_s);
        const QString folder = QFileInfo(dir.path()).canonicalFilePath();
        const QByteArray old("old bytes, more of them than new"), fresh("new");
        QVERIFY(writeBytes(path, old));
        if (linked)
            QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + u'2').constData()), 0);
        failTruncate = failing == u"truncate";
        failSync = failing == u"folder" ? folder : folder + u"/lista.gls"_s;
        failSyncs = failing == u"folder" || failing == u"file" ? 1 : failing == u"file, always" ? 9 : 0;

        const SaveResult result = replaceFile(path, fresh);
        failSyncs = 0;
        failTruncate = false;

        QCOMPARE(result.error, error);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (!backupKept)
            QCOMPARE(file.readAll(), newBytes ? fresh : old);
        QCOMPARE(!result.backup.isEmpty(), backupKept);
        QCOMPARE(leftoverBackups(), backupKept ? QStringList{result.backup} : QStringList());
        if (backupKept) {
            QFile backup(result.backup);
            QVERIFY(backup.open(QIODevice::ReadOnly));
            QCOMPARE(backup.readAll(), old);
            QVERIFY(backup.remove());
        }
    }
};

QTEST_GUILESS_MAIN(TestSaveSync)
#include "tst_savesync.moc"
