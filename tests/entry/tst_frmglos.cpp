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
    void emptyBoxIsRefusedAndKeepsTheTexts();
    void fullListRefusesTheNextPair();
    void messagesOfTheCommands_data();
    void messagesOfTheCommands();
    void clockTicksEvenWhenHidden();
    void captionNamesTheUserOnce_data();
    void captionNamesTheUserOnce();
    void viewShowsThePairsAndExitEnds();

private:
    FrmGlos &main();
    QStringList listed();
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

void TestFrmGlos::emptyBoxIsRefusedAndKeepsTheTexts()
{
    addPair(QStringLiteral("hus"), QString());
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Du måste skriva in text i båda textrutorna")});
    QCOMPARE(child<QLineEdit>(&main(), "txtsv")->text(), QStringLiteral("hus"));
    QVERIFY(child<QLineEdit>(&main(), "txtsv")->hasFocus());
    QVERIFY(listed().isEmpty());
}

void TestFrmGlos::fullListRefusesTheNextPair()
{
    for (int i = 1; i <= 256; ++i)
        addPair(QStringLiteral("sv%1").arg(i), QStringLiteral("en%1").arg(i));
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(ListFullText)});
    QCOMPARE(t->program.state.wordCount, quint8(255));
    QCOMPARE(main().grid().pair(255), (WordPair{"sv255", "en255"}));
    QCOMPARE(listed().size(), 255);
    QCOMPARE(child<QLineEdit>(&main(), "txtsv")->text(), QStringLiteral("sv256")); // nothing typed is lost
}

void TestFrmGlos::messagesOfTheCommands_data()
{
    // A list of `pairs` pairs, `user` logged in, the list box emptied when
    // `emptyListBox`; then `command` with the queued answers gives `messages`
    // and leaves `pairsLeft` pairs.
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("user");
    QTest::addColumn<bool>("emptyListBox");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QList<Message>>("messages");
    QTest::addColumn<int>("pairsLeft");

    const QString standard = QStringLiteral("Standard användaren har inte tillgång till den här funktionen");
    const QString other = QStringLiteral("Byt användare för att få tillgång till funktionen");
    const QString denied = QStringLiteral("Åtkomst nekas");
    const Message mustAdd = okBox(QStringLiteral("Du måste lägga till glosor för att spara"));
    const Message clear =
        yesNoBox("Det här kommer att rensa alla inmatade glosor.\r\nÄr du säker på att vill du forstätta?",
                 "Rensa glosor");
    const Message dataFel =
        yesNoBox("Vill du verkligen spara?\r\nDet kanske inte finns några glosor att spara", "Data fel");
    using Msgs = QList<Message>;
    using Answers = QList<Answer>;
    // clang-format off
    QTest::newRow("practice, empty list") << 0 << 1 << false << "cmdOva" << Answers{} << Msgs{okBox("Du måste lägga till en glosa")} << 0;
    QTest::newRow("edit, empty list") << 0 << 1 << false << "mnuAltBort" << Answers{} << Msgs{okBox("Måste lägga till glosor först!\r\ni=0")} << 0;
    QTest::newRow("save, empty list") << 0 << 1 << false << "mnuAltOpenSave" << Answers{} << Msgs{mustAdd} << 0;
    QTest::newRow("save, count but no items, Yes") << 1 << 1 << true << "mnuAltOpenSave" << Answers{Answer::Yes} << Msgs{dataFel, mustAdd} << 1;
    QTest::newRow("save, count but no items, No") << 1 << 1 << true << "mnuAltOpenSave" << Answers{Answer::No} << Msgs{dataFel} << 1;
    QTest::newRow("save, standard user") << 1 << 0 << false << "mnuAltOpenSave" << Answers{} << Msgs{okBox(standard)} << 1;
    QTest::newRow("save, user 4") << 1 << 4 << false << "mnuAltOpenSave" << Answers{} << Msgs{okBox(other)} << 1;
    QTest::newRow("open, standard user") << 1 << 0 << false << "mnuAltOpen" << Answers{} << Msgs{okBox(standard, denied)} << 1;
    QTest::newRow("open, user 5") << 1 << 5 << false << "mnuAltOpen" << Answers{} << Msgs{okBox(other, denied)} << 1;
    QTest::newRow("open, user 3") << 1 << 3 << false << "mnuAltOpen" << Answers{} << Msgs{} << 1;
    QTest::newRow("clear all, No") << 2 << 0 << false << "mnuAltrensa" << Answers{Answer::No} << Msgs{clear} << 2;
    QTest::newRow("clear all, Yes") << 2 << 0 << false << "mnuAltrensa" << Answers{Answer::Yes} << Msgs{clear} << 0;
    // clang-format on
}

void TestFrmGlos::messagesOfTheCommands()
{
    QFETCH(int, pairs);
    QFETCH(int, user);
    QFETCH(bool, emptyListBox);
    QFETCH(QString, command);
    QFETCH(QList<Answer>, answers);
    QFETCH(QList<Message>, messages);
    QFETCH(int, pairsLeft);
    for (int i = 0; i < pairs; ++i)
        addPair(QStringLiteral("hus"), QStringLiteral("house"));
    if (emptyListBox)
        child<QListWidget>(&main(), "listGlos")->clear();
    t->program.state.currentUser = quint8(user);
    for (Answer answer : answers)
        t->dialogs.answer(answer);

    if (auto *button = main().findChild<QPushButton *>(command))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        child<QAction>(&main(), command)->trigger();

    QCOMPARE(t->dialogs.takeMessages(), messages);
    QVERIFY(main().isVisible());
    QCOMPARE(int(t->program.state.wordCount), pairsLeft);
    QCOMPARE(main().grid().count(), pairsLeft);
    if (!emptyListBox)
        QCOMPARE(listed().size(), pairsLeft);
    if (pairs > 0 && pairsLeft == 0) { // cleared: every cell empty, numbering starts again
        QCOMPARE(main().grid().cell(0, 0), QString());
        addPair(QStringLiteral("katt"), QStringLiteral("cat"));
        QCOMPARE(main().grid().cell(1, 2), QStringLiteral("1"));
    }
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

void TestFrmGlos::viewShowsThePairsAndExitEnds()
{
    addPair(QStringLiteral("hus"), QStringLiteral("house"));
    addPair(QStringLiteral("öga"), QStringLiteral("eye"));
    child<QAction>(&main(), "mnuAltGlos")->trigger();
    FrmGlosor *view = t->program.loadedGlosor();
    QVERIFY(view && view->isVisible());
    auto *grid = child<QTableWidget>(view, "MSFlexGrid1");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 0)->text() + grid->item(1, 1)->text(), QStringLiteral("ögaeye"));

    child<QAction>(&main(), "mnuAvlsuta")->trigger();
    QCOMPARE(t->quitCalls, 1);
    QVERIFY(!t->program.loadedGlos() && !t->program.loadedGlosor());
}

QTEST_MAIN(TestFrmGlos)
#include "tst_frmglos.moc"
