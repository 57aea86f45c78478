#include "files/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QByteArray Text("0123456789abcdefghij");
} // namespace

class FileBytesTest : public QObject {
    Q_OBJECT

private slots:
    void readingAndReplacing_data();
    void readingAndReplacing();
};

void FileBytesTest::readingAndReplacing_data()
{
    QTest::addColumn<QString>("name");     // in a folder holding old.gls (100 bytes), link.gls to it,
    QTest::addColumn<QByteArray>("bytes"); // a folder and a named pipe; no bytes: the path is only read
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("after"); // the first 80 bytes that the path then reads as
    const QByteArray none;
    QTest::newRow("read up to the limit") << "old.gls" << none << 0 << Text.repeated(4);
    QTest::newRow("read missing, not created") << "new.gls" << none << 0 << none;
    QTest::newRow("read a folder") << "folder" << none << EISDIR << none;
    QTest::newRow("read a named pipe, no wait") << "pipe" << none << ENXIO << none;
    QTest::newRow("replace a longer file, no tail") << "old.gls" << Text.left(5) << 0 << Text.left(5);
    QTest::newRow("replace through a link") << "link.gls" << Text.left(5) << 0 << Text.left(5);
    QTest::newRow("write fails, old file kept") << "old.gls" << Text << EFBIG << Text.repeated(4);
}

void FileBytesTest::readingAndReplacing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(QByteArray, after);
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    QFile old(dir.filePath("old.gls"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(Text.repeated(5)) == 100);
    old.close();
    old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const auto permissions = QFile::permissions(old.fileName());
    QFile::link(old.fileName(), dir.filePath("link.gls"));
    dir.mkdir("folder");
    ::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600);
    const auto entries = [&dir] { return dir.entryList(QDir::AllEntries | QDir::Hidden, QDir::Name); };
    const QStringList before = entries();
    const QString path = dir.filePath(name);

    if (bytes.isNull()) {
        const FileRead read = readFileStart(path, 80);
        QCOMPARE(read.error, error);
        QCOMPARE(read.bytes, after);
    } else {
        // EFBIG: the writes of this process fail past 4 bytes.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit small{error == EFBIG ? 4 : saved.rlim_cur, saved.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const int result = replaceFile(path, bytes);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(result, error);
        QCOMPARE(readFileStart(path, 80).bytes, after);
    }
    // Nothing is created or left behind; the old file keeps its kind and permissions.
    QCOMPARE(entries(), before);
    QVERIFY(QFileInfo(dir.filePath("link.gls")).isSymLink());
    QCOMPARE(QFile::permissions(old.fileName()), permissions); // read afresh, not from a cache
}

QTEST_GUILESS_MAIN(FileBytesTest)
#include "tst_filebytes.moc"
