#include "platform/fixedpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Fresh data directories u (the user's), 1 and 2 (the system's); place("1/x") is x on drive D: of 1.
struct DataDirs {
    QTemporaryDir root;
    FixedPaths paths() const { return {root.path() + "/u", {root.path() + "/1", root.path() + "/2"}}; }
    QString place(QString where) const { return root.path() + '/' + where.insert(1, "/ordkvarnen/drive_d"); }
};

// Sets a variable, or unsets it for a null value; returns the old value, null when unset.
QByteArray swapEnvironment(const char *name, const QByteArray &value)
{
    const QByteArray old = qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return old;
}

} // namespace

class FixedPathsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsPathsBecomePlaces_data();
    void windowsPathsBecomePlaces();
    void environmentGivesTheDataDirectories_data();
    void environmentGivesTheDataDirectories();
};

void FixedPathsTest::windowsPathsBecomePlaces_data()
{
    QTest::addColumn<QString>("existing"); // places as DataDirs::place takes them; '/' ends a folder
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const char *existing, const char *path, const char *expected) {
        QTest::newRow(name) << QString(existing) << QString(path) << QString(expected);
    };
    row("any case", "u/Spel/Res/glos.txt", "D:\\SPEL\\res\\GLOS.TXT", "u/Spel/Res/glos.txt");
    row("exact spelling first", "u/SPEL/glos.txt u/Spel/glos.txt", "D:\\Spel\\glos.txt", "u/Spel/glos.txt");
    row("user first", "1/Spel/glos.txt u/Spel/glos.txt", "D:\\Spel\\glos.txt", "u/Spel/glos.txt");
    row("system when the user lacks it", "u/Spel/ 2/Spel/glos.txt", "D:\\Spel\\glos.txt", "2/Spel/glos.txt");
    row("systems in order", "2/Spel/glos.txt 1/spel/GLOS.txt", "D:\\Spel\\glos.txt", "1/spel/GLOS.txt");
    // Missing everywhere: the user's place, its existing folders in their own case.
    row("missing", "u/SPEL/Res/ 1/Spel/x.txt", "D:\\Spel\\Res\\Vrak\\glos.txt", "u/SPEL/Res/Vrak/glos.txt");
    row("lower-case drive, slashes", "", "d:/Spel//glos.txt", "u/Spel/glos.txt");
    row("up and out again", "", "D:\\Spel\\..\\..\\etc\\passwd", "u/etc/passwd");
    row("up inside, current folder", "", "D:\\.\\Spel\\Res\\..\\glos.txt", "u/Spel/glos.txt");
    row("no drive, up", "", "..\\Spel\\glos.txt", "u/Spel/glos.txt");
}

void FixedPathsTest::windowsPathsBecomePlaces()
{
    QFETCH(QString, existing);
    QFETCH(QString, windowsPath);
    QFETCH(QString, expected);
    const DataDirs d;
    for (const QString &where : existing.split(u' ', Qt::SkipEmptyParts)) {
        QFile file(d.place(where));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) &&
                (where.endsWith(u'/') || file.open(QIODevice::WriteOnly)));
    }
    QCOMPARE(d.paths().forReading(windowsPath), d.place(expected));

    // Writing names a place in the user directory and creates its folders.
    const QString written = d.paths().forWriting(windowsPath);
    QVERIFY(written.startsWith(d.place("u/")));
    QVERIFY(QFileInfo(written).dir().exists());
    if (expected.startsWith(u'u'))
        QCOMPARE(written, d.place(expected));
}

void FixedPathsTest::environmentGivesTheDataDirectories_data()
{
    QTest::addColumn<QByteArray>("dataHome"); // null: unset
    QTest::addColumn<QByteArray>("dataDirs");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("system");
    const QString home = QDir::homePath() + "/.local/share", usr = "/usr/local/share:/usr/share";
    QTest::newRow("unset") << QByteArray() << QByteArray() << home << usr;
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << home << usr;
    QTest::newRow("set, gaps skipped")
        << QByteArray("/h") << QByteArray(":/a::/b:") << QString("/h") << QString("/a:/b");
    QTest::newRow("relative") << QByteArray("data") << QByteArray("share:/a") << home << QString("/a");
    QTest::newRow("only relative") << QByteArray("/h") << QByteArray("share:x") << QString("/h") << usr;
}

void FixedPathsTest::environmentGivesTheDataDirectories()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, dataDirs);
    const QByteArray oldHome = swapEnvironment("XDG_DATA_HOME", dataHome);
    const QByteArray oldDirs = swapEnvironment("XDG_DATA_DIRS", dataDirs);
    const FixedPaths paths = FixedPaths::fromEnvironment();
    swapEnvironment("XDG_DATA_HOME", oldHome);
    swapEnvironment("XDG_DATA_DIRS", oldDirs);
    QTEST(paths.userDataDir(), "user");
    QTEST(paths.systemDataDirs().join(u':'), "system");
}

QTEST_MAIN(FixedPathsTest)
#include "tst_fixedpaths.moc"
