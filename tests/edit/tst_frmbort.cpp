#include "edit/frmbort.h"
#include "platform/placebeside.h"
#include "support/testprogram.h"

namespace {
const QString Screen = u"txtglosor Num txtsv txteng txtnr cmdBort cmdAndra cmdlaggtill"_s;
} // namespace

class TestFrmBort : public WindowTest {
    Q_OBJECT

    // Adds the pairs in the main window and chooses "Ändra/&Ta bort".
    void open(const Pairs &pairs = {{u"a"_s, u"1"_s}, {u"b"_s, u"2"_s}, {u"c"_s, u"3"_s}})
    {
        t->addPairs(pairs);
        t->run(u"mnuAltBort"_s);
        QVERIFY(t->program.frmBort.loaded() && QTest::qWaitForWindowActive(t->program.frmBort.loaded()));
    }
    // The edit window, else the main window's words and pair count.
    QString shown()
    {
        if (t->program.frmBort.loaded())
            return t->screen(Screen);
        return u"main: %1 (%2)"_s.arg(t->listed().join(u'|')).arg(t->session.wordCount());
    }

private slots:
    void opensBesideTheMainWindowListingAsTyped()
    {
        t->session.state.showClock = false;
        t->main().move(10, 40);
        open({{u"<b>x</b>"_s, u"y & z"_s}, {u"öga"_s, u"eye"_s}});
        QCOMPARE(shown(), u"1, <b>x</b>=y & z|2, öga=eye| txtnr= cmdBort* cmdAndra @txtnr"_s);
        // Level with the main window, which stays open; the screen is too narrow for more.
        QVERIFY(t->program.frmBort.loaded()->y() == 40 && t->program.frmglos.loaded()->isVisible());
        QVERIFY(control<QPlainTextEdit>(u"txtglosor"_s)->isReadOnly() && !control(u"Tid"_s)->isVisible());
        QCOMPARE(t->program.frmBort.loaded()->windowTitle(), u"Ta bort/ändra"_s);
    }

    // A 50 by 50 window beside another's frame on a 400 by 300 screen: right of it, left when the right
    // is full, else at the screen's left; up from the bottom edge, down from above the screen.
    void placeBesideKeepsOnScreen()
    {
        QStringList placed;
        for (const QRect other : {QRect(0, 10, 100, 100), QRect(300, 10, 100, 100), QRect(0, 0, 380, 100),
                                  QRect(0, 280, 100, 20), QRect(0, -80, 100, 20)}) {
            const QPoint at = placeBeside(other, QSize(50, 50), QRect(0, 0, 400, 300));
            placed << u"%1,%2"_s.arg(at.x()).arg(at.y());
        }
        QCOMPARE(placed.join(u' '), u"100,10 250,10 0,0 100,250 100,0"_s);
    }

    // On the pairs a=1, b=2, c=3.
    void steps_data()
    {
        const QString list = u" txtnr= cmdBort* cmdAndra @txtnr"_s,
                      changed = u" txtnr= cmdBort cmdAndra* @txtnr"_s, all = u"1, a=1|2, b=2|3, c=3|"_s,
                      refused =
                          u"Skriv in nummret föra den glosa som du vill ändra [FEL NUMMER]\n"
                          u"Du ska skriva in nummret innan den glosa som du vill ta bort [FEL NUMMER]"_s;
        addRows<Scenario>({
            {"remove the first", "txtnr=1 Enter", "1, b=2|2, c=3|" + list},
            {"a fraction counts its whole part", "txtnr=2.9 Enter", "1, a=1|2, c=3|" + list},
            {"remove the last", "txtnr=3 cmdBort", "1, a=1|2, b=2|" + list},
            {"opened again: afresh, and once", "txtnr=1 Enter mnuAltBort", all + list},
            {"a fresh copy in change mode starts over", "txtnr=3 cmdAndra mnuAltBort",
             all + " txtnr=[3] cmdBort* cmdAndra @txtnr"},
            {"all removed and kept", "txtnr=3 Enter txtnr=1 Enter txtnr=1 Enter Command2", "main:  (0)"},
            {"Ångra drops the edit", "txtnr=1 Enter cmdangra", "main: a|b|c (3)"},
            {"Esc drops the edit", "txtnr=1 Enter Esc", "main: a|b|c (3)"},
            {"Esc leaves change mode", "txtnr=2 cmdAndra txteng=two Esc",
             all + " txtnr=[2] cmdBort* cmdAndra @txtnr"},
            {"changed", "txtnr=2 cmdAndra txtsv=ö txteng=two cmdlaggtill",
             "1, a=1|2, ö=two|3, c=3|" + changed},
            {"an empty word keeps the old", "txtnr=2 cmdAndra txtsv= txteng=two cmdlaggtill",
             "1, a=1|2, b=two|3, c=3|" + changed},
            {"both empty stays", "txtnr=2 cmdAndra txtsv=ö txteng= cmdlaggtill",
             all + " Valt nummer är: nr 2 txtsv=ö txteng= cmdlaggtill* @cmdlaggtill"},
            {"Tillbaka drops the change", "txtnr=2 cmdAndra txtsv=ö txteng=two cmdBak",
             all + " txtnr=[2] cmdBort* cmdAndra @txtnr"},
            // The list lives on while windows come and go: neither a closed main window nor practice
            // left after an edit brings back an old list.
            {"main window closed, edit dropped", "^frmglos Stäng ^frmBort cmdangra", "main: a|b|c (3)"},
            {"main window closed, edit kept", "^frmglos Stäng ^frmBort txtnr=1 Enter Command2",
             "main: b|c (2)"},
            {"pair removed during practice", "cmdOva ^frmBort txtnr=1 Enter Command2 ^frmOva cmdmeny",
             "main: b|c (2)\nDu tränade 0 glosor | Du hade 0 fel | Använde gloshjälpen 0 gång(er) | Du "
             "använde "
             "fuskfunktionen 0 gång(er) | "},
            {"0, nothing, a word and 4 of 3 refused",
             "txtnr=0 cmdAndra txtnr=0 Enter txtnr= cmdAndra txtnr= Enter txtnr=apa cmdAndra txtnr=apa Enter "
             "txtnr=4 cmdAndra txtnr=4 Enter",
             all + " txtnr=4 cmdBort* cmdAndra @txtnr\n" + QStringList(4, refused).join(u'\n')},
            {"a change, then a removal", "txtnr=2 cmdAndra txteng=4 cmdlaggtill txtnr=1 Enter cmdBak",
             "1, a=1|2, b=4|3, c=3| txtnr=[1] cmdBort cmdAndra* @txtnr"},
        });
    }
    void steps()
    {
        QFETCH(Scenario, row);
        open();
        t->run(row.given);
        const QString log = t->log();
        QCOMPARE(shown() + (log.isEmpty() ? QString() : u'\n' + log), row.shown);
    }
};

QTEST_MAIN(TestFrmBort)
#include "tst_frmbort.moc"
