#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTimer>

namespace {
QStringList items(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
} // namespace

class TestFrmGlos : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addingAPairListsItAndEmptiesTheBoxes();
    void enterInEitherBoxAddsThePair();
    void emptyBoxIsRefused_data();
    void emptyBoxIsRefused();
    void fullListRefusesTheNextPair();
    void practiceWithEmptyListIsRefused();
    void editWithEmptyListIsRefused();
    void clearAllAsksFirst_data();
    void clearAllAsksFirst();
    void openAndSaveFollowTheAccessRule_data();
    void openAndSaveFollowTheAccessRule();
    void saveWithEmptyListTellsSo();
    void saveWithCountButEmptyListBoxAsksDataFel_data();
    void saveWithCountButEmptyListBoxAsksDataFel();
    void clockTicksEverySecondEvenWhenHidden();
    void captionNamesTheUser_data();
    void captionNamesTheUser();
    void wordListViewShowsThePairs();
    void exitMenuEndsTheProgram();

private:
    FrmGlos &mainWindow();
    void addPair(const QString &swedish, const QString &english);
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

FrmGlos &TestFrmGlos::mainWindow()
{
    FrmGlos &main = t->program.frmglos();
    if (!main.isVisible()) {
        main.show();
        main.activateWindow();
        if (!QTest::qWaitForWindowActive(&main))
            qWarning("main window did not become active");
    }
    return main;
}

void TestFrmGlos::addPair(const QString &swedish, const QString &english)
{
    FrmGlos &main = mainWindow();
    typeText(child<QLineEdit>(&main, "txtsv"), swedish);
    typeText(child<QLineEdit>(&main, "txteng"), english);
    QTest::mouseClick(child<QPushButton>(&main, "cmdNästa"), Qt::LeftButton);
}

void TestFrmGlos::addingAPairListsItAndEmptiesTheBoxes()
{
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    addPair(QStringLiteral("öga"), QStringLiteral("eye"));

    FrmGlos &main = mainWindow();
    QCOMPARE(items(child<QListWidget>(&main, "listGlos")), (QStringList{"hus", QStringLiteral("öga")}));
    QCOMPARE(t->program.state.wordCount, quint8(2));
    const WordList &grid = main.grid();
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.cell(0, 0), QStringLiteral("2"));
    QCOMPARE(grid.pair(1), (WordPair{"hus", "house"}));
    QCOMPARE(grid.cell(1, 2), QStringLiteral("1"));
    QCOMPARE(child<QLineEdit>(&main, "txtsv")->text(), QString());
    QCOMPARE(child<QLineEdit>(&main, "txteng")->text(), QString());
    QVERIFY(child<QLineEdit>(&main, "txtsv")->hasFocus());
}

void TestFrmGlos::enterInEitherBoxAddsThePair()
{
    FrmGlos &main = mainWindow();
    auto *txtsv = child<QLineEdit>(&main, "txtsv");
    auto *txteng = child<QLineEdit>(&main, "txteng");
    QVERIFY(child<QPushButton>(&main, "cmdNästa")->isDefault());

    typeText(txtsv, QStringLiteral("hus"));
    typeText(txteng, QStringLiteral("house"));
    pressEnter(txteng);
    typeText(txtsv, QStringLiteral("bil"));
    typeText(txteng, QStringLiteral("car"));
    pressEnter(txtsv);

    QCOMPARE(items(child<QListWidget>(&main, "listGlos")), (QStringList{"hus", "bil"}));
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

    FrmGlos &main = mainWindow();
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Du måste skriva in text i båda textrutorna")});
    QCOMPARE(child<QLineEdit>(&main, "txtsv")->text(), swedish);
    QCOMPARE(child<QLineEdit>(&main, "txteng")->text(), english);
    QVERIFY(child<QLineEdit>(&main, "txtsv")->hasFocus());
    QCOMPARE(t->program.state.wordCount, quint8(0));
    QCOMPARE(child<QListWidget>(&main, "listGlos")->count(), 0);
}

void TestFrmGlos::fullListRefusesTheNextPair()
{
    for (int i = 1; i <= 255; ++i)
        addPair(QStringLiteral("sv%1").arg(i), QStringLiteral("en%1").arg(i));
    addPair(QStringLiteral("ett till"), QStringLiteral("one more"));

    FrmGlos &main = mainWindow();
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(ListFullText)});
    QCOMPARE(t->program.state.wordCount, quint8(255));
    QCOMPARE(main.grid().count(), 255);
    QCOMPARE(main.grid().pair(255), (WordPair{"sv255", "en255"}));
    QCOMPARE(child<QListWidget>(&main, "listGlos")->count(), 255);
    QCOMPARE(child<QLineEdit>(&main, "txtsv")->text(), QStringLiteral("ett till")); // nothing typed is lost
}

void TestFrmGlos::practiceWithEmptyListIsRefused()
{
    FrmGlos &main = mainWindow();
    QTest::mouseClick(child<QPushButton>(&main, "cmdOva"), Qt::LeftButton);
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Du måste lägga till en glosa")});
    QVERIFY(main.isVisible());
    QVERIFY(!t->program.loadedOva());
}

void TestFrmGlos::editWithEmptyListIsRefused()
{
    child<QAction>(&mainWindow(), "mnuAltBort")->trigger();
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Måste lägga till glosor först!\r\ni=0")});
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

    FrmGlos &main = mainWindow();
    child<QAction>(&main, "mnuAltrensa")->trigger();

    QCOMPARE(t->dialogs.takeMessages(),
             QList<Message>{yesNoBox("Det här kommer att rensa alla inmatade glosor.\r\n"
                                     "Är du säker på att vill du forstätta?",
                                     "Rensa glosor")});
    QCOMPARE(int(t->program.state.wordCount), pairsLeft);
    QCOMPARE(main.grid().count(), pairsLeft);
    QCOMPARE(child<QListWidget>(&main, "listGlos")->count(), pairsLeft);
    if (pairsLeft == 0) {
        QCOMPARE(main.grid().cell(0, 0), QString());
        addPair(QStringLiteral("katt"), QStringLiteral("cat"));
        QCOMPARE(main.grid().cell(1, 2), QStringLiteral("1"));
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
    QTest::newRow("user 5") << 5 << other;
}

void TestFrmGlos::openAndSaveFollowTheAccessRule()
{
    QFETCH(int, user);
    QFETCH(QString, refusal);
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    t->program.state.currentUser = quint8(user);
    t->program.state.fileDialogMode = 7;

    FrmGlos &main = mainWindow();
    child<QAction>(&main, "mnuAltOpen")->trigger();
    const QList<Message> openRefusal{okBox(refusal, QStringLiteral("Åtkomst nekas"))};
    QCOMPARE(t->dialogs.takeMessages(), refusal.isEmpty() ? QList<Message>{} : openRefusal);
    QCOMPARE(t->program.state.fileDialogMode, quint8(refusal.isEmpty() ? 0 : 7));

    child<QAction>(&main, "mnuAltOpenSave")->trigger();
    QCOMPARE(t->dialogs.takeMessages(),
             refusal.isEmpty() ? QList<Message>{} : QList<Message>{okBox(refusal)});
    QCOMPARE(t->program.state.fileDialogMode, quint8(refusal.isEmpty() ? 1 : 7));
    QCOMPARE(main.grid().count(), 1);
}

void TestFrmGlos::saveWithEmptyListTellsSo()
{
    t->program.state.currentUser = 1;
    child<QAction>(&mainWindow(), "mnuAltOpenSave")->trigger();
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Du måste lägga till glosor för att spara")});
}

void TestFrmGlos::saveWithCountButEmptyListBoxAsksDataFel_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Yes") << Answer::Yes;
    QTest::newRow("No") << Answer::No;
}

void TestFrmGlos::saveWithCountButEmptyListBoxAsksDataFel()
{
    QFETCH(Answer, answer);
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    FrmGlos &main = mainWindow();
    child<QListWidget>(&main, "listGlos")->clear(); // the list box and the count disagree
    t->dialogs.answer(answer);

    child<QAction>(&main, "mnuAltOpenSave")->trigger();

    QList<Message> expected{
        yesNoBox("Vill du verkligen spara?\r\nDet kanske inte finns några glosor att spara", "Data fel")};
    if (answer == Answer::Yes)
        expected << okBox("Du måste lägga till glosor för att spara");
    QCOMPARE(t->dialogs.takeMessages(), expected);
}

void TestFrmGlos::clockTicksEverySecondEvenWhenHidden()
{
    t->program.state.showClock = VbFalse;
    FrmGlos &main = mainWindow();
    auto *tid = child<QLabel>(&main, "Tid");
    QVERIFY(!tid->isVisible());
    QCOMPARE(tid->text(), QStringLiteral("Label1"));

    auto *timer = child<QTimer>(&main, "Timer");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    t->clock.time = QTime(23, 59, 58);
    main.Timer_Timer();
    QCOMPARE(tid->text(), QStringLiteral("Klockan är 23:59:58"));
    QVERIFY(!tid->isVisible());
}

void TestFrmGlos::captionNamesTheUser_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("caption");
    QTest::newRow("standard") << 0 << "Kvartos Ordkvarn";
    QTest::newRow("Kvarto") << 1 << "Kvartos Ordkvarn   Användare:Kvarto";
    QTest::newRow("Lumba") << 2 << "Kvartos Ordkvarn   Användare:Lumba";
    QTest::newRow("Trevian") << 3 << "Kvartos Ordkvarn";
}

void TestFrmGlos::captionNamesTheUser()
{
    QFETCH(int, user);
    QFETCH(QString, caption);
    t->program.state.currentUser = quint8(user);
    QCOMPARE(mainWindow().windowTitle(), caption);

    // Loading again starts from the designed caption: the name shows once.
    mainWindow().close();
    TestProgram::flushDeletes();
    QCOMPARE(mainWindow().windowTitle(), caption);
}

void TestFrmGlos::wordListViewShowsThePairs()
{
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    addPair(QStringLiteral("öga"), QStringLiteral("eye"));
    child<QAction>(&mainWindow(), "mnuAltGlos")->trigger();

    FrmGlosor *view = t->program.loadedGlosor();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->windowTitle(), QStringLiteral("Glosor"));
    auto *grid = child<QTableWidget>(view, "MSFlexGrid1");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("öga"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("eye"));
    QVERIFY(mainWindow().isVisible());
}

void TestFrmGlos::exitMenuEndsTheProgram()
{
    FrmGlos &main = mainWindow();
    child<QAction>(&main, "mnuAvlsuta")->trigger();
    QCOMPARE(t->quitCalls, 1);
    QVERIFY(!t->program.loadedGlos());
}

QTEST_MAIN(TestFrmGlos)
#include "tst_frmglos.moc"
