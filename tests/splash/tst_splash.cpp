#include "support/testprogram.h"

class TestSplash : public WindowTest {
    Q_OBJECT

private slots:
    void splashNamesAMissingFileAndEnterOpensMain()
    {
        t->program.start();
        t->clock.time = QTime(7, 4, 3);
        t->run({});
        QCOMPARE(t->screen(u"txtinfo"_s), u"Text1 @cmdstart"_s);
        QCOMPARE(t->log(), u"Kan inte öppna filen: "_s + t->dataHome.path() +
                               u"/ordkvarnen/drive_d/Spel/Res/Vrak/mrk_program/mrk/Kvartos/glos.txt"_s);
        t->run(u"Enter"_s);
        QCOMPARE(t->screen(u"Tid"_s), u"Klockan är 07:04:03 @txtsv"_s);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
