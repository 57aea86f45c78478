#include "platform/fixedpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString InfoFile = QStringLiteral("D:\\Spel\\Res\\Vrak\\mrk_program\\mrk\\Kvartos\\glos.txt");
const QString InfoBelowDrive = QStringLiteral("Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt");

// Creates dataDir/ordkvarnen/drive_d/relative with the given content.
QString plant(const QString &dataDir, const QString &relative, const QByteArray &content = "x")
{
    const QString path = dataDir + QStringLiteral("/ordkvarnen/drive_d/") + relative;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

// Puts an environment variable back as it was when the guard goes.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char *name)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_value(qgetenv(name))
    {
    }
    ~EnvironmentGuard()
    {
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }
    EnvironmentGuard(const EnvironmentGuard &) = delete;
    EnvironmentGuard &operator=(const EnvironmentGuard &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_value;
};

} // namespace

class FixedPathsTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void driveDIsTheFolderBelowTheUserDirectory_data();
    void driveDIsTheFolderBelowTheUserDirectory();
    void existingFolderIsFoundWhateverTheCase();
    void exactSpellingWinsOverOtherCase();
    void userDirectoryComesBeforeSystemDirectories();
    void systemDirectoriesAreSearchedInOrder();
    void missingFileNamesThePlaceInTheUserDirectory();
    void writingCreatesTheMissingFolders();
    void writingReusesAFolderOfOtherCase();
    void dotsStayInsideTheDrive_data();
    void dotsStayInsideTheDrive();
    void environmentGivesTheDataDirectories_data();
    void environmentGivesTheDataDirectories();

private:
    std::unique_ptr<QTemporaryDir> m_user;
    std::unique_ptr<QTemporaryDir> m_system1;
    std::unique_ptr<QTemporaryDir> m_system2;

    QString userDrive() const { return m_user->path() + QStringLiteral("/ordkvarnen/drive_d/"); }
    FixedPaths paths() const { return FixedPaths(m_user->path(), {m_system1->path(), m_system2->path()}); }
};

void FixedPathsTest::init()
{
    m_user = std::make_unique<QTemporaryDir>();
    m_system1 = std::make_unique<QTemporaryDir>();
    m_system2 = std::make_unique<QTemporaryDir>();
    QVERIFY(m_user->isValid() && m_system1->isValid() && m_system2->isValid());
}

void FixedPathsTest::driveDIsTheFolderBelowTheUserDirectory_data()
{
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("belowDrive");
    QTest::newRow("information file") << InfoFile << InfoBelowDrive;
    QTest::newRow("lower-case drive")
        << QStringLiteral("d:\\Spel\\glos.txt") << QStringLiteral("Spel/glos.txt");
    QTest::newRow("forward slashes") << QStringLiteral("D:/Spel/glos.txt") << QStringLiteral("Spel/glos.txt");
    QTest::newRow("doubled separators")
        << QStringLiteral("D:\\\\Spel\\\\glos.txt") << QStringLiteral("Spel/glos.txt");
    QTest::newRow("no drive") << QStringLiteral("Spel\\glos.txt") << QStringLiteral("Spel/glos.txt");
    QTest::newRow("root without drive")
        << QStringLiteral("\\Spel\\glos.txt") << QStringLiteral("Spel/glos.txt");
}

void FixedPathsTest::driveDIsTheFolderBelowTheUserDirectory()
{
    QFETCH(QString, windowsPath);
    QFETCH(QString, belowDrive);
    QCOMPARE(paths().forReading(windowsPath), userDrive() + belowDrive);
}

void FixedPathsTest::existingFolderIsFoundWhateverTheCase()
{
    const QString planted = plant(m_user->path(), InfoBelowDrive);
    QVERIFY(!planted.isEmpty());
    QCOMPARE(paths().forReading(QStringLiteral("D:\\SPEL\\res\\VRAK\\Mrk_Program\\MRK\\kvartos\\GLOS.TXT")),
             planted);
}

void FixedPathsTest::exactSpellingWinsOverOtherCase()
{
    QVERIFY(!plant(m_user->path(), QStringLiteral("SPEL/glos.txt")).isEmpty());
    const QString exact = plant(m_user->path(), QStringLiteral("Spel/glos.txt"));
    QVERIFY(!exact.isEmpty());
    QCOMPARE(paths().forReading(QStringLiteral("D:\\Spel\\glos.txt")), exact);
}

void FixedPathsTest::userDirectoryComesBeforeSystemDirectories()
{
    QVERIFY(!plant(m_system1->path(), InfoBelowDrive).isEmpty());
    const QString own = plant(m_user->path(), InfoBelowDrive);
    QVERIFY(!own.isEmpty());
    QCOMPARE(paths().forReading(InfoFile), own);
}

void FixedPathsTest::systemDirectoriesAreSearchedInOrder()
{
    const QString second = plant(m_system2->path(), InfoBelowDrive);
    QVERIFY(!second.isEmpty());
    QCOMPARE(paths().forReading(InfoFile), second);

    const QString first =
        plant(m_system1->path(), QStringLiteral("spel/res/vrak/mrk_program/mrk/kvartos/glos.txt"));
    QVERIFY(!first.isEmpty());
    QCOMPARE(paths().forReading(InfoFile), first);
}

void FixedPathsTest::missingFileNamesThePlaceInTheUserDirectory()
{
    // Part of the path exists in another case: that part is named as it exists.
    QVERIFY(QDir().mkpath(userDrive() + QStringLiteral("SPEL/Res")));
    QVERIFY(!plant(m_system1->path(), QStringLiteral("Spel/other.txt")).isEmpty());
    QCOMPARE(paths().forReading(InfoFile),
             userDrive() + QStringLiteral("SPEL/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt"));
}

void FixedPathsTest::writingCreatesTheMissingFolders()
{
    const QString place = paths().forWriting(
        QStringLiteral("D:\\SPEL\\Res\\Vrak\\mrk_program\\mrk\\Kvartos\\Glosor\\Lumba.gls"));
    QCOMPARE(place, userDrive() + QStringLiteral("SPEL/Res/Vrak/mrk_program/mrk/Kvartos/Glosor/Lumba.gls"));
    QVERIFY(QFileInfo(place).dir().exists());
    QVERIFY(!QFileInfo::exists(place));

    QFile file(place);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(paths().forReading(
                 QStringLiteral("D:\\Spel\\Res\\Vrak\\mrk_program\\mrk\\Kvartos\\Glosor\\Lumba.gls")),
             place);
}

void FixedPathsTest::writingReusesAFolderOfOtherCase()
{
    QVERIFY(QDir().mkpath(userDrive() + QStringLiteral("Spel/Res")));
    const QString place = paths().forWriting(QStringLiteral("D:\\SPEL\\RES\\Glosor\\Trevian.gls"));
    QCOMPARE(place, userDrive() + QStringLiteral("Spel/Res/Glosor/Trevian.gls"));
    QCOMPARE(QDir(userDrive()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Spel")});
    QCOMPARE(QDir(userDrive() + QStringLiteral("Spel/Res")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Glosor")});
}

void FixedPathsTest::dotsStayInsideTheDrive_data()
{
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("belowDrive");
    QTest::newRow("up from the root") << QStringLiteral("D:\\..\\..\\glos.txt") << QStringLiteral("glos.txt");
    QTest::newRow("up and out again")
        << QStringLiteral("D:\\Spel\\..\\..\\..\\etc\\passwd") << QStringLiteral("etc/passwd");
    QTest::newRow("up inside the drive")
        << QStringLiteral("D:\\Spel\\Res\\..\\glos.txt") << QStringLiteral("Spel/glos.txt");
    QTest::newRow("no drive, up") << QStringLiteral("..\\glos.txt") << QStringLiteral("glos.txt");
    QTest::newRow("current folder") << QStringLiteral("D:\\.\\Spel\\.\\glos.txt")
                                    << QStringLiteral("Spel/glos.txt");
    QTest::newRow("forward slashes up") << QStringLiteral("D:/../glos.txt") << QStringLiteral("glos.txt");
}

void FixedPathsTest::dotsStayInsideTheDrive()
{
    QFETCH(QString, windowsPath);
    QFETCH(QString, belowDrive);
    QCOMPARE(paths().forReading(windowsPath), userDrive() + belowDrive);
    QCOMPARE(paths().forWriting(windowsPath), userDrive() + belowDrive);
    // Nothing was created beside the drive folder.
    QCOMPARE(QDir(m_user->path() + QStringLiteral("/ordkvarnen"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("drive_d")});
    QCOMPARE(QDir(m_user->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("ordkvarnen")});
}

void FixedPathsTest::environmentGivesTheDataDirectories_data()
{
    QTest::addColumn<QByteArray>("dataHome");
    QTest::addColumn<QByteArray>("dataDirs");
    QTest::addColumn<bool>("setVariables");
    QTest::addColumn<QString>("expectedUser");
    QTest::addColumn<QStringList>("expectedSystem");

    const QString defaultUser = QDir::homePath() + QStringLiteral("/.local/share");
    const QStringList defaultSystem{QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    QTest::newRow("unset") << QByteArray() << QByteArray() << false << defaultUser << defaultSystem;
    QTest::newRow("empty") << QByteArray() << QByteArray() << true << defaultUser << defaultSystem;
    QTest::newRow("set") << QByteArray("/home/test/data") << QByteArray("/opt/a/share:/opt/b/share") << true
                         << QStringLiteral("/home/test/data")
                         << QStringList{QStringLiteral("/opt/a/share"), QStringLiteral("/opt/b/share")};
    QTest::newRow("empty entries skipped")
        << QByteArray("/home/test/data") << QByteArray(":/opt/a/share::/opt/b/share:") << true
        << QStringLiteral("/home/test/data")
        << QStringList{QStringLiteral("/opt/a/share"), QStringLiteral("/opt/b/share")};
    QTest::newRow("only separators") << QByteArray("/home/test/data") << QByteArray("::") << true
                                     << QStringLiteral("/home/test/data") << defaultSystem;
    QTest::newRow("relative paths ignored") << QByteArray("data") << QByteArray("share:/opt/a/share") << true
                                            << defaultUser << QStringList{QStringLiteral("/opt/a/share")};
}

void FixedPathsTest::environmentGivesTheDataDirectories()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QByteArray, dataDirs);
    QFETCH(bool, setVariables);
    QFETCH(QString, expectedUser);
    QFETCH(QStringList, expectedSystem);

    const EnvironmentGuard homeGuard("XDG_DATA_HOME");
    const EnvironmentGuard dirsGuard("XDG_DATA_DIRS");
    if (setVariables) {
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("XDG_DATA_DIRS", dataDirs);
    } else {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    const FixedPaths paths = FixedPaths::fromEnvironment();
    QCOMPARE(paths.userDataDir(), expectedUser);
    QCOMPARE(paths.systemDataDirs(), expectedSystem);
}

QTEST_MAIN(FixedPathsTest)
#include "tst_fixedpaths.moc"
