#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>

class TestFrmGlos : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enterOrButtonAddsThePair();
    void emptyBoxIsRefused_data();
    void emptyBoxIsRefused();
    void fullListRefusesTheNextPair();
    void emptyListIsRefused_data();
    void emptyListIsRefused();
    void clearAllAsksFirst_data();
    void clearAllAsksFirst();
    void openAndSaveFollowTheAccessRule_data();
    void openAndSaveFollowTheAccessRule();
    void saveWithCountButEmptyListBoxAsksDataFel();
    void clockTicksEvenWhenHidden();
    void captionNamesTheUserOnce_data();
    void captionNamesTheUserOnce();
    void wordListViewShowsThePairs();
    void exitMenuEndsTheProgram();

private:
    FrmGlos &main();
    QStringList listed();
    void addPair(const QString &swedish, const QString &english);
    void trigger(const char *menuItem) { child<QAction>(&main(), menuItem)->trigger(); }
    std::unique_ptr<TestProgram> t;
};

void TestFrmGlos::init()
{
    t = std::make_unique<TestProgram>();
    t->startState();
}

void TestFrmGlos::cleanup()
{
    VERIFY_NO_PENDING_DIALOGS(t->dialogs);
    t.reset();
}

FrmGlos &TestFrmGlos::main()
{
    FrmGlos &window = t->program.frmglos();
    if (!window.isVisible()) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("main window did not become active");
    }
    return window;
}

QStringList TestFrmGlos::listed()
{
    auto *list = child<QListWidget>(&main(), "listGlos");
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void TestFrmGlos::addPair(const QString &swedish, const QString &english)
{
    typeText(child<QLineEdit>(&main(), "txtsv"), swedish);
    typeText(child<QLineEdit>(&main(), "txteng"), english);
    QTest::mouseClick(child<QPushButton>(&main(), "cmdNästa"), Qt::LeftButton);
}

void TestFrmGlos::enterOrButtonAddsThePair()
{
    auto *txtsv = child<QLineEdit>(&main(), "txtsv");
    auto *txteng = child<QLineEdit>(&main(), "txteng");
    QVERIFY(child<QPushButton>(&main(), "cmdNästa")->isDefault());
    typeText(txtsv, QStringLiteral("hus"));
    typeText(txteng, QStringLiteral("house"));
    pressEnter(txteng);
    typeText(txtsv, QStringLiteral("öga"));
    typeText(txteng, QStringLiteral("eye"));
    pressEnter(txtsv);
    addPair(QStringLiteral("hus"), QStringLiteral("house"));

    QCOMPARE(listed(), (QStringList{"hus", QStringLiteral("öga"), "hus"}));
    QCOMPARE(t->program.state.wordCount, quint8(3));
    const WordList &grid = main().grid();
    QCOMPARE(grid.rowCount(), 4);
    QCOMPARE(grid.cell(0, 0), QStringLiteral("3"));
    QCOMPARE(grid.pair(2), (WordPair{QStringLiteral("öga"), "eye"}));
    QCOMPARE(grid.cell(2, 2), QStringLiteral("2"));
    QCOMPARE(txtsv->text() + txteng->text(), QString());
    QVERIFY(txtsv->hasFocus());
}

void TestFrmGlos::emptyBoxIsRefused_data()
{
    QTest::addColumn<QString>("swedish");
    QTest::addColumn<QString>("english");
    QTest::newRow("only Swedish") << "hus"
                                  << "";
    QTest::newRow("only English") << ""
                                  << "house";
    QTest::newRow("both empty") << ""
                                << "";
}

void TestFrmGlos::emptyBoxIsRefused()
{
    QFETCH(QString, swedish);
    QFETCH(QString, english);
    addPair(swedish, english);

    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Du måste skriva in text i båda textrutorna")});
    QCOMPARE(child<QLineEdit>(&main(), "txtsv")->text(), swedish);
    QCOMPARE(child<QLineEdit>(&main(), "txteng")->text(), english);
    QVERIFY(child<QLineEdit>(&main(), "txtsv")->hasFocus());
    QCOMPARE(t->program.state.wordCount, quint8(0));
    QVERIFY(listed().isEmpty());
}

void TestFrmGlos::fullListRefusesTheNextPair()
{
    for (int i = 1; i <= 255; ++i)
        addPair(QStringLiteral("sv%1").arg(i), QStringLiteral("en%1").arg(i));
    addPair(QStringLiteral("ett till"), QStringLiteral("one more"));

    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(ListFullText)});
    QCOMPARE(t->program.state.wordCount, quint8(255));
    QCOMPARE(main().grid().pair(255), (WordPair{"sv255", "en255"}));
    QCOMPARE(listed().size(), 255);
    QCOMPARE(child<QLineEdit>(&main(), "txtsv")->text(), QStringLiteral("ett till")); // nothing typed is lost
}

void TestFrmGlos::emptyListIsRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("Öva") << "cmdOva"
                         << "Du måste lägga till en glosa";
    QTest::newRow("Ändra/Ta bort") << "mnuAltBort"
                                   << "Måste lägga till glosor först!\r\ni=0";
    QTest::newRow("Spara") << "mnuAltOpenSave"
                           << "Du måste lägga till glosor för att spara";
}

void TestFrmGlos::emptyListIsRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    t->program.state.currentUser = 1;
    if (command == QStringLiteral("cmdOva"))
        QTest::mouseClick(child<QPushButton>(&main(), command), Qt::LeftButton);
    else
        child<QAction>(&main(), command)->trigger();

    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(text)});
    QVERIFY(main().isVisible());
    QVERIFY(!t->program.loadedOva());
}

void TestFrmGlos::clearAllAsksFirst_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("pairsLeft");
    QTest::newRow("Yes clears") << Answer::Yes << 0;
    QTest::newRow("No keeps") << Answer::No << 2;
}

void TestFrmGlos::clearAllAsksFirst()
{
    QFETCH(Answer, answer);
    QFETCH(int, pairsLeft);
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    addPair(QStringLiteral("bil"), QStringLiteral("car"));
    t->dialogs.answer(answer);
    trigger("mnuAltrensa");

    QCOMPARE(t->dialogs.takeMessages(),
             QList<Message>{yesNoBox("Det här kommer att rensa alla inmatade glosor.\r\n"
                                     "Är du säker på att vill du forstätta?",
                                     "Rensa glosor")});
    QCOMPARE(int(t->program.state.wordCount), pairsLeft);
    QCOMPARE(main().grid().count(), pairsLeft);
    QCOMPARE(listed().size(), pairsLeft);
    if (pairsLeft == 0) {
        QCOMPARE(main().grid().cell(0, 0), QString());
        addPair(QStringLiteral("katt"), QStringLiteral("cat"));
        QCOMPARE(main().grid().cell(1, 2), QStringLiteral("1")); // numbering starts again
    }
}

void TestFrmGlos::openAndSaveFollowTheAccessRule_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("refusal"); // empty: allowed
    const QString standard = QStringLiteral("Standard användaren har inte tillgång till den här funktionen");
    const QString other = QStringLiteral("Byt användare för att få tillgång till funktionen");
    QTest::newRow("standard user") << 0 << standard;
    QTest::newRow("user 1") << 1 << QString();
    QTest::newRow("user 3") << 3 << QString();
    QTest::newRow("user 4") << 4 << other;
}

void TestFrmGlos::openAndSaveFollowTheAccessRule()
{
    QFETCH(int, user);
    QFETCH(QString, refusal);
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    t->program.state.currentUser = quint8(user);
    t->program.state.fileDialogMode = 7;
    const bool allowed = refusal.isEmpty();

    trigger("mnuAltOpen");
    QCOMPARE(t->dialogs.takeMessages(),
             allowed ? QList<Message>{} : QList<Message>{okBox(refusal, QStringLiteral("Åtkomst nekas"))});
    QCOMPARE(t->program.state.fileDialogMode, quint8(allowed ? 0 : 7));

    trigger("mnuAltOpenSave");
    QCOMPARE(t->dialogs.takeMessages(), allowed ? QList<Message>{} : QList<Message>{okBox(refusal)});
    QCOMPARE(t->program.state.fileDialogMode, quint8(allowed ? 1 : 7));
}

void TestFrmGlos::saveWithCountButEmptyListBoxAsksDataFel()
{
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    child<QListWidget>(&main(), "listGlos")->clear(); // the list box and the count disagree
    t->dialogs.answer(Answer::Yes);
    trigger("mnuAltOpenSave");
    QCOMPARE(
        t->dialogs.takeMessages(),
        (QList<Message>{
            yesNoBox("Vill du verkligen spara?\r\nDet kanske inte finns några glosor att spara", "Data fel"),
            okBox("Du måste lägga till glosor för att spara")}));
}

void TestFrmGlos::clockTicksEvenWhenHidden()
{
    t->program.state.showClock = VbFalse;
    auto *tid = child<QLabel>(&main(), "Tid");
    QVERIFY(!tid->isVisible());
    QCOMPARE(tid->text(), QStringLiteral("Label1"));
    QVERIFY(child<QTimer>(&main(), "Timer")->isActive());

    t->clock.time = QTime(23, 59, 58);
    main().Timer_Timer();
    QCOMPARE(tid->text(), QStringLiteral("Klockan är 23:59:58"));
}

void TestFrmGlos::captionNamesTheUserOnce_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("caption");
    QTest::newRow("standard") << 0 << "Kvartos Ordkvarn";
    QTest::newRow("Kvarto") << 1 << "Kvartos Ordkvarn   Användare:Kvarto";
    QTest::newRow("Lumba") << 2 << "Kvartos Ordkvarn   Användare:Lumba";
    QTest::newRow("Trevian") << 3 << "Kvartos Ordkvarn";
}

void TestFrmGlos::captionNamesTheUserOnce()
{
    QFETCH(int, user);
    QFETCH(QString, caption);
    t->program.state.currentUser = quint8(user);
    QCOMPARE(main().windowTitle(), caption);
    main().close(); // loaded again, the caption starts from its design
    TestProgram::flushDeletes();
    QCOMPARE(main().windowTitle(), caption);
}

void TestFrmGlos::wordListViewShowsThePairs()
{
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    addPair(QStringLiteral("öga"), QStringLiteral("eye"));
    trigger("mnuAltGlos");

    FrmGlosor *view = t->program.loadedGlosor();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->windowTitle(), QStringLiteral("Glosor"));
    auto *grid = child<QTableWidget>(view, "MSFlexGrid1");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("öga"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("eye"));
}

void TestFrmGlos::exitMenuEndsTheProgram()
{
    trigger("mnuAvlsuta");
    QCOMPARE(t->quitCalls, 1);
    QVERIFY(!t->program.loadedGlos());
}

QTEST_MAIN(TestFrmGlos)
#include "tst_frmglos.moc"
