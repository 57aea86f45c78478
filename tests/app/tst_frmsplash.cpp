#include "app/frmsplash.h"
#include "app/infofile.h"
#include "entry/frmglos.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

class TestFrmSplash : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startGivesTheDefaults();
    void missingInfoFileNamesTheRealPath();
    void infoFileIsShownWithItsLines_data();
    void infoFileIsShownWithItsLines();
    void infoFileFoundInSystemDataFolder();
    void enterOpensMainWindowWithClockAtOnce();

private:
    void writeInfoFile(const QString &base, const QByteArray &bytes);
    std::unique_ptr<TestProgram> t;
};

void TestFrmSplash::init()
{
    t = std::make_unique<TestProgram>();
}

void TestFrmSplash::cleanup()
{
    VERIFY_NO_PENDING_DIALOGS(t->dialogs);
    t.reset();
}

void TestFrmSplash::writeInfoFile(const QString &base, const QByteArray &bytes)
{
    const QString folder = base + QStringLiteral("/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos");
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/glos.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestFrmSplash::startGivesTheDefaults()
{
    writeInfoFile(t->dataHome.path(), "Hej");
    t->program.start();

    const AppState &s = t->program.state;
    const QList<int> numbers{s.wordCount,     s.showClock,        s.endlessPractice,
                             s.directionMode, s.currentDirection, s.currentUser,
                             s.practiceOrder, s.questionIndex,    s.fileDialogMode};
    QCOMPARE(numbers, (QList<int>{0, -1, 0, 1, 0, 0, 0, 0, 0}));
    QCOMPARE(s.optionsCaller, QString());
    const QList<ColorValue> colors{s.entryBackColor,    s.entryBoxBackColor,    s.entryTextColor,
                                   s.practiceBackColor, s.practiceBoxBackColor, s.practiceTextColor};
    QCOMPARE(colors,
             (QList<ColorValue>{0x00FF0000, 0x80000005, 0x80000008, 0x00FF0000, 0x0080FFFF, 0x80000008}));
    FrmSplash *splash = t->program.loadedSplash();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(!t->program.loadedGlos());
    QCOMPARE(child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version 0.9.1"));
    QCOMPARE(
        child<QLabel>(splash, "lblComments")->text(),
        QStringLiteral("Stora nyheter: man kan spara och öppna glos filer (*.gls) .Alternativ har nya val"));
    QVERIFY(child<QPushButton>(splash, "cmdstart")->isDefault());
}

void TestFrmSplash::missingInfoFileNamesTheRealPath()
{
    FrmSplash &splash = t->program.frmSplash();
    const QString expected =
        t->dataHome.path() +
        QStringLiteral("/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt");
    QCOMPARE(t->dialogs.takeMessages(),
             QList<Message>{okBox(QStringLiteral("Kan inte öppna filen: ") + expected)});
    QCOMPARE(child<QPlainTextEdit>(&splash, "txtinfo")->toPlainText(), QStringLiteral("Text1"));
}

void TestFrmSplash::infoFileIsShownWithItsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252, CRLF") << QByteArray("V\xE4lkommen\r\nS\xE5 h\xE4r\r\n\xF6ga \xC5\xC4\xD6");
    QTest::newRow("UTF-8, LF") << QByteArray("Välkommen\nSå här\nöga ÅÄÖ");
}

void TestFrmSplash::infoFileIsShownWithItsLines()
{
    QFETCH(QByteArray, bytes);
    writeInfoFile(t->dataHome.path(), bytes);
    FrmSplash &splash = t->program.frmSplash();
    QCOMPARE(child<QPlainTextEdit>(&splash, "txtinfo")->toPlainText(),
             QStringLiteral("Välkommen\nSå här\nöga ÅÄÖ"));
}

void TestFrmSplash::infoFileFoundInSystemDataFolder()
{
    QTemporaryDir system;
    writeInfoFile(system.path(), "Installerad");
    t->paths = FixedPaths(t->dataHome.path(), {system.path()});
    FrmSplash &splash = t->program.frmSplash();
    QCOMPARE(child<QPlainTextEdit>(&splash, "txtinfo")->toPlainText(), QStringLiteral("Installerad"));
}

void TestFrmSplash::enterOpensMainWindowWithClockAtOnce()
{
    writeInfoFile(t->dataHome.path(), "Hej");
    t->startState();
    FrmSplash &splash = t->program.frmSplash();
    splash.show();
    t->clock.time = QTime(7, 4, 3);

    pressEnter(child<QPushButton>(&splash, "cmdstart"));

    FrmGlos *main = t->program.loadedGlos();
    QVERIFY(main && main->isVisible());
    QCOMPARE(child<QLabel>(main, "Tid")->text(), QStringLiteral("Klockan är 07:04:03"));
    QVERIFY(!t->program.loadedSplash());
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
