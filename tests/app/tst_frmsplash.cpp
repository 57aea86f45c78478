#include "app/frmsplash.h"
#include "entry/frmglos.h"
#include "support/testprogram.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

// The file names of the shared libraries this process has loaded.
QByteArray loadedLibraries()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

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
        QVERIFY2(!loadedLibraries().contains("/imageformats/"), "the logo's format was guessed");
        const auto premultiplied = [](const QImage &image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        QCOMPARE(premultiplied(child<QLabel>(splash, "imgLogo")->pixmap().toImage()),
                 premultiplied(QImage(u":/ordkvarnen/logo.png"_s)));
        QCOMPARE(child<QPlainTextEdit>(splash, "txtinfo")->toPlainText(), u"Välkommen\nöga ÅÄÖ"_s);

        t->clock.time = QTime(7, 4, 3);
        pressEnter(child<QPushButton>(splash, "cmdstart"));
        TestProgram::flushDeletes();
        FrmGlos *main = t->program.frmglos.loaded();
        QVERIFY(main && main->isVisible() && !t->program.frmSplash.loaded());
        QCOMPARE(child<QLabel>(main, "Tid")->text(), u"Klockan är 07:04:03"_s); // at once
        // Ready for the first word.
        QCOMPARE(main->focusWidget(), child<QLineEdit>(main, "txtsv"));
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
