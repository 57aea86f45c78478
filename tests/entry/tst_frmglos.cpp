#include "support/testprogram.h"

class TestFrmGlos : public WindowTest {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        const QString standard = u"Standard användaren har inte tillgång till den här funktionen → hus"_s,
                      other = u"Byt användare för att få tillgång till funktionen"_s,
                      clear = u"Det här kommer att rensa alla inmatade glosor. | "
                              u"Är du säker på att vill du forstätta? [Rensa glosor] (Ja/Nej) →"_s;
        addRows<Scenario>({
            {"Enter or the button adds", "txtsv=hus txteng=house Enter txtsv=öga txteng=eye cmdNästa",
             "→ hus,öga"},
            {"both words needed", "txtsv=öga Enter", "Du måste skriva in text i båda textrutorna →"},
            {"practice, empty list", "cmdOva", "Du måste lägga till en glosa →"},
            {"edit, empty list", "mnuAltBort", "Måste lägga till glosor först! | i=0 →"},
            {"save, empty list", "användare=1 mnuAltOpenSave", "Du måste lägga till glosor för att spara →"},
            {"print, empty list", "mnuAltSkrivUt", "Det finns inga glosor att skriva ut →"},
            {"print", "glosor=hus=house användare=1 mnuAltSkrivUt Ctrl+P", "<Glosor>\n<Glosor> → hus"},
            {"print a quiz, Lumba", "glosor=hus=house användare=2 mnuAltForhor", "<Förhör> → hus"},
            {"print a quiz, standard user", "glosor=hus=house mnuAltForhor", standard},
            {"save, standard user", "glosor=hus=house mnuAltOpenSave", standard},
            {"save, user 4", "glosor=hus=house användare=4 mnuAltOpenSave", other + " → hus"},
            {"open, standard user", "glosor=hus=house mnuAltOpen",
             standard.chopped(6) + " [Åtkomst nekas] → hus"},
            {"Ctrl+S, standard user", "glosor=hus=house txtsv=x Ctrl+S", standard},
            {"Ctrl+O, user 5", "glosor=hus=house användare=5 Ctrl+O", other + " [Åtkomst nekas] → hus"},
            {"open, user 3, no file yet", "glosor=hus=house användare=3 mnuAltOpen Ja",
             "Vill du ersätta glosorna i listan med glosorna i filen? [Öppna glosor] (Ja/*Nej)\n(!) Fel vid "
             "öppning av fil. | Informationen om antal glosor var felaktig → hus"},
            {"export, standard user", "glosor=hus=house mnuAltExport", standard},
            {"import, user 4", "glosor=hus=house användare=4 mnuAltImport", other + " → hus"},
            {"clear all, No", "glosor=hus=house mnuAltrensa Nej", clear + " hus"},
            {"clear all, Yes", "glosor=hus=house mnuAltrensa Ja", clear},
            {"a word as long as a word file holds", "txtsv=" + QString(300, u'a') + " txteng=b Enter",
             "→ " + QString(253, u'a')},
            // The caption names the user once, however often the window is loaded again.
            {"Kvarto", "användare=1 mnuAltutse cmdAvbryt mnuAltutse cmdAvbryt", "→    Användare:Kvarto"},
            {"Lumba", "användare=2 mnuAltutse cmdAvbryt", "→    Användare:Lumba"},
            {"Trevian", "användare=3 mnuAltutse cmdAvbryt", "→"},
            {"back where it was from practice and options",
             "glosor=hus=house cmdOva cmdmeny mnuAltutse cmdAvbryt",
             "Du tränade 0 glosor | Du hade 0 fel | Använde gloshjälpen 0 gång(er) | Du använde "
             "fuskfunktionen 0 "
             "gång(er) |  → hus"},
        });
    }
    void scenarios()
    {
        QFETCH(Scenario, row);
        t->main().move(150, 60); // and there it comes back
        t->run(row.given);
        const QString caption = t->main().windowTitle().remove(u"Kvartos Ordkvarn"_s);
        QCOMPARE((t->log() + u" → "_s + t->listed().join(u',') + caption).trimmed(), row.shown);
        QVERIFY(t->main().isVisible() && t->main().pos() == QPoint(150, 60));
        QCOMPARE(t->session.wordCount(), t->listed().size());
    }

    void addingKeepsTheSelectionAndTheWords()
    {
        t->run(u"txtsv=hus txteng=house Enter txtsv=öga Enter"_s);
        QCOMPARE(t->screen(u"txtsv txteng"_s), u"txtsv=öga txteng= @txtsv"_s); // nothing typed is lost
        t->run(u"txteng=eye Enter"_s);
        control<QListWidget>(u"listGlos"_s)->setCurrentRow(1);
        // Back in a box, typing replaces what it holds; a pair added below keeps the selection.
        t->run(u"txtsv=hus txteng=house Enter txtsv=katt txteng=cat @txtsv"_s);
        QCOMPARE(control<QListWidget>(u"listGlos"_s)->currentRow(), 1);
        QCOMPARE(t->screen(u"txtsv txteng"_s), u"txtsv=[katt] txteng=cat @txtsv"_s);
        QCOMPARE(render(t->session.list().pairs()), u"hus=house|öga=eye|hus=house"_s);
        QCOMPARE(t->log(), u"Du måste skriva in text i båda textrutorna"_s);
    }

    void fullListRefusesTheNextPair()
    {
        t->run(u"glosor=254 txtsv=sv255 txteng=en255 Enter txtsv=sv256 txteng=en256 Enter"_s);
        QCOMPARE(t->log(), ListFullText);
        QCOMPARE(t->listed().size(), 255);
        QCOMPARE(t->session.list().pair(255), (WordPair{"sv255", "en255"}));
        QCOMPARE(t->screen(u"txtsv txteng"_s), u"txtsv=[sv256] txteng=en256 @txtsv"_s);
    }
};

QTEST_MAIN(TestFrmGlos)
#include "tst_frmglos.moc"
