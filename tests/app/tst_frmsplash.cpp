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
    void showsVersionAndComments();
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
    t->dialogs.answer(Answer::Ok); // the missing information file
    t->program.start();
    t->dialogs.takeMessages();

    const AppState &s = t->program.state;
    QCOMPARE(s.wordCount, quint8(0));
    QCOMPARE(s.showClock, VbTrue);
    QCOMPARE(s.endlessPractice, VbFalse);
    QCOMPARE(s.directionMode, quint8(1));
    QCOMPARE(s.currentDirection, quint8(0));
    QCOMPARE(s.currentUser, quint8(0));
    QCOMPARE(s.practiceOrder, quint8(0));
    QCOMPARE(s.questionIndex, quint8(0));
    QCOMPARE(s.fileDialogMode, quint8(0));
    QCOMPARE(s.optionsCaller, QString());
    QCOMPARE(s.entryBackColor, 0x00FF0000u);
    QCOMPARE(s.entryBoxBackColor, 0x80000005u);
    QCOMPARE(s.entryTextColor, 0x80000008u);
    QCOMPARE(s.practiceBackColor, 0x00FF0000u);
    QCOMPARE(s.practiceBoxBackColor, 0x0080FFFFu);
    QCOMPARE(s.practiceTextColor, 0x80000008u);
    QVERIFY(t->program.loadedSplash() && t->program.loadedSplash()->isVisible());
    QVERIFY(!t->program.loadedGlos());
}

void TestFrmSplash::showsVersionAndComments()
{
    writeInfoFile(t->dataHome.path(), "Hej");
    FrmSplash &splash = t->program.frmSplash();
    QCOMPARE(child<QLabel>(&splash, "lblVersion")->text(), QStringLiteral("Version 0.9.1"));
    QCOMPARE(
        child<QLabel>(&splash, "lblComments")->text(),
        QStringLiteral("Stora nyheter: man kan spara och öppna glos filer (*.gls) .Alternativ har nya val"));
    QCOMPARE(child<QLabel>(&splash, "lblProductName")->text(), QStringLiteral("Kvartos Ordkvarn"));
    QCOMPARE(child<QPushButton>(&splash, "cmdstart")->text(), QStringLiteral("Klicka här för att starta"));
    QVERIFY(child<QPushButton>(&splash, "cmdstart")->isDefault());
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
