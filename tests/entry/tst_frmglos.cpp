#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "support/testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

using namespace Qt::StringLiterals;

class TestFrmGlos : public WindowTest {
    Q_OBJECT

private slots:
    void enterOrButtonAddsThePair()
    {
        auto *txtsv = child<QLineEdit>(&main(), "txtsv");
        auto *txteng = child<QLineEdit>(&main(), "txteng");
        t->run(u"txtsv=hus txteng=house Enter txtsv=öga Enter"_s); // the second Enter: no English word
        QCOMPARE(t->dialogs.takeMessages(),
                 QList<Message>{okBox("Du måste skriva in text i båda textrutorna")});
        QCOMPARE(txtsv->text(), u"öga"_s);
        QVERIFY(txtsv->hasFocus());
        t->run(u"txteng=eye Enter"_s);
        auto *listGlos = child<QListWidget>(&main(), "listGlos");
        listGlos->setCurrentRow(1);
        t->addPairs({{u"hus"_s, u"house"_s}});
        QCOMPARE(listGlos->currentRow(), 1); // a pair added below keeps the selection

        QCOMPARE(t->listed(), (QStringList{"hus", u"öga"_s, "hus"}));
        QCOMPARE(t->session.list().pairs(),
                 (QList<WordPair>{{"hus", "house"}, {u"öga"_s, "eye"}, {"hus", "house"}}));
        QCOMPARE(txtsv->text() + txteng->text(), QString());
        QVERIFY(txtsv->hasFocus());

        typeText(txtsv, u"katt"_s);
        typeText(txteng, u"cat"_s);
        txteng->setFocus(); // back in a box, typing replaces what it holds
        QCOMPARE(txteng->selectedText(), u"cat"_s);
        txtsv->setFocus();
        QCOMPARE(txtsv->selectedText(), u"katt"_s);
    }

    void fullListRefusesTheNextPair()
    {
        for (int i = 1; i <= 256; ++i)
            t->addPairs({{u"sv%1"_s.arg(i), u"en%1"_s.arg(i)}});
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(ListFullText)});
        QCOMPARE(t->listed().size(), 255);
        QCOMPARE(t->session.list().pair(255), (WordPair{"sv255", "en255"}));
        QCOMPARE(child<QLineEdit>(&main(), "txtsv")->text(),
                 u"sv256"_s); // nothing typed is lost
    }

    // A word box takes no longer word than a word file can hold.
    void wordsAreAtMostAWordFileLong()
    {
        main();
        t->run(u"txtsv="_s + QString(300, u'a') + u" txteng="_s + QString(253, u'b') + u" cmdNästa"_s);
        QCOMPARE(t->session.list().pairs(), (QList<WordPair>{{QString(253, u'a'), QString(253, u'b')}}));
    }

    void messagesOfTheCommands_data()
    {
        // A list of `pairs` pairs, `user` logged in; then `command` with the
        // queued answers gives `messages` and leaves `pairsLeft` pairs.
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<int>("pairsLeft");

        const QString standard = u"Standard användaren har inte tillgång till den här funktionen"_s;
        const QString other = u"Byt användare för att få tillgång till funktionen"_s;
        const QString denied = u"Åtkomst nekas"_s;
        const Message mustAdd = okBox(u"Du måste lägga till glosor för att spara"_s);
        const Message clear = yesNoBox(
            "Det här kommer att rensa alla inmatade glosor.\r\nÄr du säker på att vill du forstätta?",
            "Rensa glosor");
        const Message noCount{"Fel vid öppning av fil.\r\nInformationen om antal glosor var felaktig",
                              {},
                              Message::Buttons::Ok,
                              Message::Icon::Critical};
        using Msgs = QList<Message>;
        using Answers = QList<Answer>;
        // clang-format off
        QTest::newRow("practice, empty list") << 0 << 1 << "cmdOva" << Answers{} << Msgs{okBox("Du måste lägga till en glosa")} << 0;
        QTest::newRow("edit, empty list") << 0 << 1 << "mnuAltBort" << Answers{} << Msgs{okBox("Måste lägga till glosor först!\r\ni=0")} << 0;
        QTest::newRow("save, empty list") << 0 << 1 << "mnuAltOpenSave" << Answers{} << Msgs{mustAdd} << 0;
        QTest::newRow("print, empty list") << 0 << 1 << "mnuAltSkrivUt" << Answers{} << Msgs{okBox("Det finns inga glosor att skriva ut")} << 0;
        QTest::newRow("print a quiz, standard user") << 1 << 0 << "mnuAltForhor" << Answers{} << Msgs{okBox(standard)} << 1;
        QTest::newRow("save, standard user") << 1 << 0 << "mnuAltOpenSave" << Answers{} << Msgs{okBox(standard)} << 1;
        QTest::newRow("save, user 4") << 1 << 4 << "mnuAltOpenSave" << Answers{} << Msgs{okBox(other)} << 1;
        QTest::newRow("open, standard user") << 1 << 0 << "mnuAltOpen" << Answers{} << Msgs{okBox(standard, denied)} << 1;
        QTest::newRow("Ctrl+S, standard user") << 1 << 0 << "txtsv=x Ctrl+S" << Answers{} << Msgs{okBox(standard)} << 1;
        QTest::newRow("Ctrl+O, standard user") << 1 << 0 << "Ctrl+O" << Answers{} << Msgs{okBox(standard, denied)} << 1;
        QTest::newRow("open, user 5") << 1 << 5 << "mnuAltOpen" << Answers{} << Msgs{okBox(other, denied)} << 1;
        QTest::newRow("open, user 3, no file yet") << 1 << 3 << "mnuAltOpen" << Answers{Answer::Yes}
            << Msgs{yesNoBox(u"Vill du ersätta glosorna i listan med glosorna i filen?"_s, u"Öppna glosor"_s), noCount} << 1;
        QTest::newRow("export, standard user") << 1 << 0 << "mnuAltExport" << Answers{} << Msgs{okBox(standard)} << 1;
        QTest::newRow("import, user 4") << 1 << 4 << "mnuAltImport" << Answers{} << Msgs{okBox(other)} << 1;
        QTest::newRow("clear all, No") << 2 << 0 << "mnuAltrensa" << Answers{Answer::No} << Msgs{clear} << 2;
        QTest::newRow("clear all, Yes") << 2 << 0 << "mnuAltrensa" << Answers{Answer::Yes} << Msgs{clear} << 0;
        // clang-format on
    }
    void messagesOfTheCommands()
    {
        QFETCH(int, pairs);
        QFETCH(int, user);
        QFETCH(QString, command);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<Message>, messages);
        QFETCH(int, pairsLeft);
        t->addPairs(QList<WordPair>(pairs, {u"hus"_s, u"house"_s}));
        t->session.state.currentUser = quint8(user);
        for (Answer answer : answers)
            t->dialogs.answerYesNo(answer);

        main();
        t->run(command);

        QCOMPARE(t->dialogs.takeMessages(), messages);
        QVERIFY(main().isVisible());
        QCOMPARE(t->session.wordCount(), pairsLeft);
        QCOMPARE(t->listed().size(), pairsLeft);
    }

    void captionNamesTheUserOnce_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Kvarto") << 1 << "Kvartos Ordkvarn   Användare:Kvarto";
        QTest::newRow("Lumba") << 2 << "Kvartos Ordkvarn   Användare:Lumba";
        QTest::newRow("Trevian") << 3 << "Kvartos Ordkvarn";
    }
    void captionNamesTheUserOnce()
    {
        QFETCH(int, user);
        QFETCH(QString, caption);
        t->session.state.currentUser = quint8(user);
        QCOMPARE(main().windowTitle(), caption);
        main().unload(); // loaded again, the caption starts from its design
        TestProgram::flushDeletes();
        QCOMPARE(main().windowTitle(), caption);
    }

    // The export format and its reading are checked in tst_wordtext; here the
    // menu items reach them and the imported pairs are shown.
    void textExportThenImportGivesTheList()
    {
        const QList<WordPair> pairs{{u"hus, båt"_s, u"\"house\" boat"_s}, {u"#öga"_s, u"eye; ear "_s}};
        t->addPairs(pairs);
        t->session.state.currentUser = 2;
        const QString path = t->dataHome.filePath(u"glosor.csv"_s);
        t->dialogs.choosePath(path);
        t->dialogs.answerYesNo(Answer::Yes);
        t->dialogs.choosePath(path);
        t->run(u"mnuAltExport mnuAltrensa mnuAltImport"_s);

        QCOMPARE(t->dialogs.takeMessages().last(), okBox(u"2 glosor lades till. 0 rader hoppades över."_s));
        const QList<FileDialogRequest> asked = t->dialogs.takeFileRequests();
        QCOMPARE(asked.size() == 2 ? asked[0].title + u'|' + asked[1].title : QString(),
                 u"Exportera glosor|Importera glosor"_s);
        QCOMPARE(t->listed(), (QStringList{pairs[0].swedish, pairs[1].swedish}));
        QCOMPARE(t->session.list().pairs(), pairs);
    }

    void comesBackWhereItWas_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("practice") << u"cmdOva cmdmeny"_s;
        QTest::newRow("options") << u"mnuAltutse cmdAvbryt"_s;
    }
    void comesBackWhereItWas()
    {
        QFETCH(QString, steps);
        t->addPairs({{u"hus"_s, u"house"_s}});
        main().move(150, 60);
        for (int trip = 0; trip < 2; ++trip) {
            t->run(steps);
            t->dialogs.takeMessages();
            QCOMPARE(main().pos(), QPoint(150, 60));
        }
    }

    void viewFollowsTheListAndExitEnds()
    {
        t->addPairs({{u"hus"_s, u"house"_s}});
        t->run(u"mnuAltGlos"_s);
        FrmGlosor *view = t->program.frmglosor.loaded();
        QVERIFY(view && view->isVisible());
        auto *grid = child<QTableWidget>(view, "MSFlexGrid1");
        t->addPairs({{u"öga"_s, u"eye"_s}}); // the open view follows the list
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(1, 0)->text() + grid->item(1, 1)->text(), u"ögaeye"_s);
        grid->setCurrentCell(1, 0);
        QTest::keyClick(grid, Qt::Key_X); // only shows the words: typing opens no editor
        QVERIFY(grid->findChildren<QLineEdit *>().isEmpty());
        t->dialogs.answerYesNo(Answer::Yes);
        t->run(u"mnuAltrensa"_s);
        t->dialogs.takeMessages();
        QCOMPARE(grid->rowCount(), 0);
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        t->run(u"Esc"_s); // closes the view, and only the view
        QVERIFY(!t->program.frmglosor.loaded() && t->program.frmglos.loaded());

        t->run(u"mnuAltGlos"_s);
        main();
        t->run(u"mnuAltGlos"_s); // asked for again, the view comes to the front
        QVERIFY(QTest::qWaitForWindowActive(t->program.frmglosor.loaded()));
        main();
        t->run(u"Ctrl+Q"_s);
        QCOMPARE(t->quitCalls, 1);
        QVERIFY(!t->program.frmglos.loaded() && !t->program.frmglosor.loaded());
    }

private:
    FrmGlos &main() { return t->main(); }
};

QTEST_MAIN(TestFrmGlos)
#include "tst_frmglos.moc"
