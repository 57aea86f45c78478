// A save is durable: the new file's bytes reach the disk before it takes the
// old one's name, and the folder's new entry after; a file written in place
// is synced itself. This test program stands in for fsync(2) to see what
// the save syncs, and in which order.
#include "files/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
QStringList synced; // what each fsync was given, with the names it had then

QString nameOf(int fd)
{
    return QFileInfo(u"/proc/self/fd/%1"_s.arg(fd)).symLinkTarget();
}
} // namespace

extern "C" int fsync(int fd)
{
    synced << nameOf(fd);
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

class TestSaveSync : public QObject {
    Q_OBJECT

private slots:
    void savesReachTheDisk()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"lista.gls"_s);
        const QString folder = QFileInfo(dir.path()).canonicalFilePath();
        for (const QByteArray &bytes : {QByteArray("\x01"), QByteArray("\x03\0\0\x01\0a\x01\0b", 9)}) {
            synced.clear();
            QCOMPARE(replaceFile(path, bytes), 0);
            QCOMPARE(synced, (QStringList{folder + u"/.lista.gls.ordkvarnen-tmp"_s, folder}));
        }
        // A file with a second name is written where it is, and synced there.
        QCOMPARE(::link(QFile::encodeName(path).constData(),
                        QFile::encodeName(dir.filePath(u"tvilling.gls"_s)).constData()),
                 0);
        synced.clear();
        QCOMPARE(replaceFile(path, "\x01"), 0);
        QCOMPARE(synced, QStringList{folder + u"/lista.gls"_s});
    }
};

QTEST_GUILESS_MAIN(TestSaveSync)
#include "tst_savesync.moc"
