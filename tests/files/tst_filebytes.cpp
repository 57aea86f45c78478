#include "files/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes the next writes of this process fail with EFBIG past a few bytes.
class FileSizeLimit {
public:
    FileSizeLimit()
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_saved;
        small.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

const QByteArray Text("0123456789abcdefghij");

} // namespace

class FileBytesTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void readingWithoutPermission();
    void replacing_data();
    void replacing();

private:
    QTemporaryDir m_dir;
};

void FileBytesTest::reading_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::newRow("missing, not created") << "missing.gls" << 100LL << QByteArray() << 0;
    QTest::newRow("missing folder") << "nowhere/x.gls" << 100LL << QByteArray() << 0;
    QTest::newRow("empty file") << "empty.gls" << 100LL << QByteArray() << 0;
    QTest::newRow("whole file") << "text.gls" << 100LL << Text << 0;
    QTest::newRow("up to the limit") << "text.gls" << 8LL << Text.left(8) << 0;
    QTest::newRow("below a file") << "text.gls/x" << 100LL << QByteArray() << ENOTDIR;
    QTest::newRow("folder") << "folder" << 100LL << QByteArray() << EISDIR;
    QTest::newRow("named pipe, no wait") << "pipe" << 100LL << QByteArray() << ENXIO;
    QTest::newRow("device") << "/dev/zero" << 100LL << QByteArray() << ENXIO;
}

void FileBytesTest::reading()
{
    QFETCH(QString, name);
    QFETCH(qint64, limit);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    writeBytes(m_dir.filePath("empty.gls"), {});
    writeBytes(m_dir.filePath("text.gls"), Text);
    QDir(m_dir.path()).mkdir("folder");
    ::mkfifo(QFile::encodeName(m_dir.filePath("pipe")).constData(), 0600);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    const FileRead read = readFileStart(QDir(m_dir.path()).filePath(name), limit);
    QCOMPARE(read.error, error);
    QCOMPARE(read.bytes, bytes);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void FileBytesTest::readingWithoutPermission()
{
    const QString path = m_dir.filePath("secret.gls");
    writeBytes(path, Text);
    QFile::setPermissions(path, QFile::WriteOwner);
    // Root reads every file, so as root the read is made as nobody.
    const bool root = ::geteuid() == 0;
    if (root) {
        QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFile::ExeOther);
        if (::seteuid(65534) != 0)
            QSKIP("cannot read as another user");
    }
    const FileRead read = readFileStart(path, 100);
    if (root)
        QVERIFY(::seteuid(0) == 0);
    QCOMPARE(read.error, EACCES);
}

void FileBytesTest::replacing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("after"); // what the path holds afterwards
    QTest::newRow("new file") << "new.gls" << Text.left(5) << 0 << Text.left(5);
    QTest::newRow("longer file, no tail left") << "old.gls" << Text.left(5) << 0 << Text.left(5);
    QTest::newRow("through a link") << "link.gls" << Text.left(5) << 0 << Text.left(5);
    QTest::newRow("missing folder") << "nowhere/x.gls" << Text << ENOENT << QByteArray("<none>");
    QTest::newRow("over a folder") << "folder" << Text << EISDIR << QByteArray("<folder>");
    QTest::newRow("write fails, old file kept") << "old.gls" << Text << EFBIG << Text.repeated(5);
}

void FileBytesTest::replacing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeBytes(dir.filePath("old.gls"), Text.repeated(5));
    QFile::setPermissions(dir.filePath("old.gls"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const auto permissions = QFile::permissions(dir.filePath("old.gls"));
    QFile::link(dir.filePath("old.gls"), dir.filePath("link.gls"));
    QDir(dir.path()).mkdir("folder");
    QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    std::optional<FileSizeLimit> limit;
    if (error == EFBIG)
        limit.emplace();
    const int result = replaceFile(path, bytes);
    limit.reset();
    QCOMPARE(result, error);
    const QFileInfo info(path);
    QCOMPARE(info.isDir() ? "<folder>" : info.exists() ? bytesOf(path) : "<none>", after);
    // No temporary file stays behind; a replaced file keeps its kind and permissions.
    if (!entries.contains(name) && info.exists())
        entries.append(name);
    QStringList now = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    now.sort();
    entries.sort();
    QCOMPARE(now, entries);
    QVERIFY(QFileInfo(dir.filePath("link.gls")).isSymLink());
    QCOMPARE(QFile::permissions(dir.filePath("old.gls")), permissions);
}

QTEST_GUILESS_MAIN(FileBytesTest)
#include "tst_filebytes.moc"
