#include "app/frmsplash.h"
#include "entry/frmglos.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QDir>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

class TestFrmSplash : public WindowTest {
    Q_OBJECT

    QString infoFilePath() const
    {
        return t->dataHome.path() + "/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt";
    }

private slots:
    void showsTheInformationAndEnterOpensMain()
    {
        QVERIFY(QDir().mkpath(QFileInfo(infoFilePath()).path()));
        QFile file(infoFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("V\xE4lkommen\r\n\xF6ga \xC5\xC4\xD6") > 0);
        file.close();
        t->program.start();
        FrmSplash *splash = t->program.frmSplash.loaded();
        QVERIFY(splash && splash->isVisible() && !t->program.frmglos.loaded());
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint)); // no title text anywhere
        QCOMPARE(child<QPlainTextEdit>(splash, "txtinfo")->toPlainText(), u"Välkommen\nöga ÅÄÖ"_s);

        t->clock.time = QTime(7, 4, 3);
        pressEnter(child<QPushButton>(splash, "cmdstart"));
        TestProgram::flushDeletes();
        FrmGlos *main = t->program.frmglos.loaded();
        QVERIFY(main && main->isVisible() && !t->program.frmSplash.loaded());
        QCOMPARE(child<QLabel>(main, "Tid")->text(), u"Klockan är 07:04:03"_s); // at once
    }

    void missingFileIsNamed()
    {
        FrmSplash &splash = t->program.frmSplash.get();
        QCOMPARE(child<QPlainTextEdit>(&splash, "txtinfo")->toPlainText(), u"Text1"_s);
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Kan inte öppna filen: " + infoFilePath())});
    }
};

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
