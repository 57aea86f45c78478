#include "app/frmsplash.h"
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
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup();
    void startShowsSplashAndEnterOpensMain();
    void infoFileIsShownOrNamedWhenMissing_data();
    void infoFileIsShownOrNamedWhenMissing();

private:
    QString infoFilePath() const
    {
        return t->dataHome.path() +
               QStringLiteral("/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt");
    }
    void writeInfoFile(const QByteArray &bytes);
    std::unique_ptr<TestProgram> t;
};

void TestFrmSplash::cleanup()
{
    VERIFY_NO_PENDING_DIALOGS(t->dialogs);
    t.reset();
}

void TestFrmSplash::writeInfoFile(const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(infoFilePath()).path()));
    QFile file(infoFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestFrmSplash::startShowsSplashAndEnterOpensMain()
{
    writeInfoFile("Hej");
    t->program.start();

    FrmSplash *splash = t->program.frmSplash.loaded();
    QVERIFY(splash && splash->isVisible() && !t->program.frmglos.loaded());
    // No title text anywhere: the splash window has no title bar.
    QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash->windowTitle(), QString());
    QCOMPARE(child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version 0.9.1"));
    QCOMPARE(
        child<QLabel>(splash, "lblComments")->text(),
        QStringLiteral("Stora nyheter: man kan spara och öppna glos filer (*.gls) .Alternativ har nya val"));

    t->clock.time = QTime(7, 4, 3);
    pressEnter(child<QPushButton>(splash, "cmdstart"));
    TestProgram::flushDeletes();
    FrmGlos *main = t->program.frmglos.loaded();
    QVERIFY(main && main->isVisible() && !t->program.frmSplash.loaded());
    QCOMPARE(child<QLabel>(main, "Tid")->text(), QStringLiteral("Klockan är 07:04:03")); // at once
}

void TestFrmSplash::infoFileIsShownOrNamedWhenMissing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file
    QTest::addColumn<QString>("shown");
    const QString text = QStringLiteral("Välkommen\nSå här\nöga ÅÄÖ");
    QTest::newRow("Windows-1252, CRLF")
        << QByteArray("V\xE4lkommen\r\nS\xE5 h\xE4r\r\n\xF6ga \xC5\xC4\xD6") << text;
    QTest::newRow("UTF-8, LF") << QByteArray("Välkommen\nSå här\nöga ÅÄÖ") << text;
    QTest::newRow("missing") << QByteArray() << "Text1";
}

void TestFrmSplash::infoFileIsShownOrNamedWhenMissing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    if (!bytes.isNull())
        writeInfoFile(bytes);
    bool registered = false; // the load runs once the window is the program's instance
    t->dialogs.whileShown = [this, &registered](const Message &) {
        registered = t->program.frmSplash.loaded() != nullptr;
    };
    FrmSplash &splash = t->program.frmSplash.get();
    QCOMPARE(child<QPlainTextEdit>(&splash, "txtinfo")->toPlainText(), shown);
    if (bytes.isNull()) {
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Kan inte öppna filen: " + infoFilePath())});
        QVERIFY(registered);
    }
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
