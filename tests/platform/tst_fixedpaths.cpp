#include "platform/fixedpaths.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// Fresh data directories u (the user's), 1 and 2 (the system's); place("1/x") is x on drive D: of 1.
struct DataDirs {
    QTemporaryDir root;
    FixedPaths paths() const { return {root.path() + "/u", {root.path() + "/1", root.path() + "/2"}}; }
    QString place(QString where) const { return root.path() + '/' + where.insert(1, "/ordkvarnen/drive_d"); }
};

class FixedPathsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsPathsBecomePlaces_data()
    {
        QTest::addColumn<QString>("existing"); // files, as DataDirs::place takes them
        QTest::addColumn<QString>("windowsPath");
        QTest::addColumn<QString>(
            "expected"); // missing: the user's place, in the case of its existing folders
        const auto row = [](const char *name, const char *existing, const char *path, const char *expected) {
            QTest::newRow(name) << QString(existing) << QString(path) << QString(expected);
        };
        row("any case", "u/Spel/glos.txt", "D:\\SPEL\\GLOS.TXT", "u/Spel/glos.txt");
        row("user first", "1/Spel/glos.txt u/Spel/glos.txt", "D:\\Spel\\glos.txt", "u/Spel/glos.txt");
        row("system if the user lacks it", "u/Spel/a 2/Spel/glos.txt", "D:\\Spel\\glos.txt",
            "2/Spel/glos.txt");
        row("missing", "u/SPEL/a 1/Spel/a", "D:\\Spel\\Vrak\\glos.txt", "u/SPEL/Vrak/glos.txt");
        // Folders that differ only in case: every spelling reaches the same place,
        // the one below which more of the path exists, else the first by code point.
        row("file under the other spelling", "u/Spel/glos.txt u/SPEL/Glosor/Trevian.gls",
            "D:\\Spel\\Glosor\\Trevian.gls", "u/SPEL/Glosor/Trevian.gls");
        row("deeper folder", "u/Spel/Glosor/a u/SPEL/b", "D:\\SPEL\\GLOSOR\\Lumba.gls",
            "u/Spel/Glosor/Lumba.gls");
        row("equally deep", "u/spel/a u/Spel/b", "D:\\spel\\x", "u/Spel/x");
        row("no drive", "u/Spel/glos.txt", "Spel\\glos.txt", "u/Spel/glos.txt");
        row("up and out", "", "D:\\Spel\\..\\..\\..\\etc\\passwd", "u/etc/passwd");
    }
    void windowsPathsBecomePlaces()
    {
        QFETCH(QString, existing);
        QFETCH(QString, windowsPath);
        QFETCH(QString, expected);
        const DataDirs d;
        for (const QString &where : existing.split(u' ', Qt::SkipEmptyParts)) {
            QFile file(d.place(where));
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QFile::WriteOnly));
        }
        QCOMPARE(d.paths().forReading(windowsPath), d.place(expected));
        const QString written = d.paths().forWriting(windowsPath); // the user's place, its folders created
        QCOMPARE(written, d.place(expected.replace(0, 1, u'u')));
        QVERIFY(QFileInfo(written).dir().exists());
    }

    void environmentGivesTheDataDirectories()
    {
        const DataDirs d;
        // The program's own folder, ../share from its executable; glos.txt is also in system folder 1.
        const QString own = QCoreApplication::applicationDirPath() + "/../share/ordkvarnen/drive_d/";
        const auto removeOwn = qScopeGuard([&own] { QDir(own).removeRecursively(); });
        for (const QString &file : {d.place("1/glos.txt"), own + "glos.txt", own + "egen.txt"}) {
            QFile created(file);
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && created.open(QFile::WriteOnly));
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(d.root.path() + "/u"));
        qputenv("XDG_DATA_DIRS", QFile::encodeName("share:" + d.root.path() + "/1"));
        const FixedPaths paths = FixedPaths::fromEnvironment();
        QCOMPARE(paths.forReading("D:\\glos.txt"), d.place("1/glos.txt"));
        QCOMPARE(paths.forReading("D:\\egen.txt"), QDir::cleanPath(own + "egen.txt"));
        QCOMPARE(paths.forReading("D:\\saknas.txt"), d.place("u/saknas.txt"));
        qputenv("XDG_DATA_HOME", "data"); // relative: as if unset
        QCOMPARE(FixedPaths::fromEnvironment().forReading("D:\\saknas.txt"),
                 QDir::homePath() + "/.local/share/ordkvarnen/drive_d/saknas.txt");
    }
};

QTEST_GUILESS_MAIN(FixedPathsTest)
#include "tst_fixedpaths.moc"
