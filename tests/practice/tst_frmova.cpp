#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace {
QString summary(int right, int retries, int hints, int cheats)
{
    return QStringLiteral("Du tränade %1 glosor\r\nDu hade %2 fel\r\nAnvände gloshjälpen %3 gång(er)\r\n"
                          "Du använde fuskfunktionen %4 gång(er)\r\n")
        .arg(right)
        .arg(retries)
        .arg(hints)
        .arg(cheats);
}

const Message AllUsed = okBox(QStringLiteral("Alla glosor är användna"));
} // namespace

class TestFrmOva : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typicalRunEndsWithTwoBoxesInOrder();
    void wrongAnswerThenRetryWithEnter();
    void enterPressesTheVisibleStepButton();
    void hintFillsTheAnswerThenReveals();
    void backHandsTheListBackWithSummary();
    void countsAreTotalsAcrossPractices();
    void clockHiddenWhenSwitchedOffButStillTicks();
    void colorsFollowTheSettingsAndTheAnswer();
    void repeatModeAsksEachWordTwiceInTheWindow();
    void closeBoxLeavesWithoutSummary();
    void exitMenuEndsAtOnce();

private:
    FrmOva &startWith(const QList<WordPair> &pairs);
    FrmOva &practice() { return *t->program.loadedOva(); }
    QLabel *word() { return child<QLabel>(&practice(), "frsv"); }
    QLineEdit *answerBox() { return child<QLineEdit>(&practice(), "txteng"); }
    void answer(const QString &text);
    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(&practice(), button), Qt::LeftButton);
    }
    std::unique_ptr<TestProgram> t;
};

void TestFrmOva::init()
{
    t = std::make_unique<TestProgram>();
    t->startState();
}

void TestFrmOva::cleanup()
{
    VERIFY_NO_PENDING_DIALOGS(t->dialogs);
    t.reset();
}

FrmOva &TestFrmOva::startWith(const QList<WordPair> &pairs)
{
    FrmGlos &main = t->program.frmglos();
    main.show();
    for (const WordPair &pair : pairs) {
        typeText(child<QLineEdit>(&main, "txtsv"), pair.swedish);
        typeText(child<QLineEdit>(&main, "txteng"), pair.english);
        main.cmdNästa_Click();
    }
    QTest::mouseClick(child<QPushButton>(&main, "cmdOva"), Qt::LeftButton);
    TestProgram::flushDeletes();
    return practice();
}

void TestFrmOva::answer(const QString &text)
{
    answerBox()->selectAll();
    typeText(answerBox(), text);
    pressEnter(answerBox());
}

void TestFrmOva::typicalRunEndsWithTwoBoxesInOrder()
{
    FrmOva &ova = startWith({{"hus", "house"}});
    QVERIFY(!t->program.loadedGlos()); // the practice window holds the list now
    QVERIFY(ova.isVisible());
    QCOMPARE(ova.windowTitle(), QStringLiteral("Glosövning"));
    QCOMPARE(child<QLabel>(&ova, "Text1")->text(), QStringLiteral("Översätt:"));
    QCOMPARE(word()->text(), QStringLiteral("hus"));
    QCOMPARE(t->program.state.questionIndex, quint8(1));
    QVERIFY(child<QPushButton>(&ova, "cmdKlar")->isDefault());

    answer(QStringLiteral("house"));

    QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, okBox(summary(1, 0, 0, 0))}));
    TestProgram::flushDeletes();
    QVERIFY(!t->program.loadedOva());
    FrmGlos *main = t->program.loadedGlos();
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->grid().pair(1), (WordPair{"hus", "house"}));
    QCOMPARE(child<QListWidget>(main, "listGlos")->count(), 1);
}

void TestFrmOva::wrongAnswerThenRetryWithEnter()
{
    FrmOva &ova = startWith({{"hund", "Hund"}, {"katt", "cat"}});
    answer(QStringLiteral("hund"));

    QCOMPARE(word()->text(), QStringLiteral("Fel försök igen"));
    QCOMPARE(child<QLabel>(&ova, "Text1")->text(), QString());
    QVERIFY(!child<QPushButton>(&ova, "cmdKlar")->isVisible());
    QVERIFY(child<QPushButton>(&ova, "cmdforsok")->isVisible());
    QVERIFY(child<QPushButton>(&ova, "cmdforsok")->isDefault());
    QCOMPARE(t->program.practice.retryCount, qint16(0));

    pressEnter(answerBox()); // "Försök igen"
    QCOMPARE(word()->text(), QStringLiteral("hund"));
    QCOMPARE(t->program.practice.retryCount, qint16(1));
    QVERIFY(child<QPushButton>(&ova, "cmdKlar")->isDefault());
    QCOMPARE(answerBox()->selectedText(), QStringLiteral("hund")); // typing replaces the wrong answer
}

void TestFrmOva::enterPressesTheVisibleStepButton()
{
    FrmOva &ova = startWith({{"hus", "house"}, {"bil", "car"}});
    answer(QStringLiteral("house"));
    QCOMPARE(word()->text(), QStringLiteral("Rätt!"));
    QVERIFY(child<QPushButton>(&ova, "cmdny")->isVisible());
    QVERIFY(child<QPushButton>(&ova, "cmdny")->isDefault());

    pressEnter(answerBox()); // "Nästa"
    QCOMPARE(word()->text(), QStringLiteral("bil"));
    QCOMPARE(answerBox()->text(), QString());
    QVERIFY(child<QPushButton>(&ova, "cmdKlar")->isVisible());
    QVERIFY(!child<QPushButton>(&ova, "cmdny")->isVisible());
    QVERIFY(!child<QPushButton>(&ova, "CmdFusk")->isVisible());

    click("cmdmeny");
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(summary(1, 0, 0, 0))});
}

void TestFrmOva::hintFillsTheAnswerThenReveals()
{
    startWith({{"hund", "dog"}, {"katt", "cat"}});
    typeText(answerBox(), QStringLiteral("xyz"));
    click("Command1");
    QCOMPARE(answerBox()->text(), QStringLiteral("d")); // what was typed is replaced
    click("Command1");
    QCOMPARE(answerBox()->text(), QStringLiteral("do"));
    click("Command1");
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox("Rätt svar är:\r\ndog", "FUSK")});
    QCOMPARE(answerBox()->text(), QStringLiteral("do"));

    // After "Nästa" the hints start again from the first letter.
    answer(QStringLiteral("dog"));
    pressEnter(answerBox());
    click("Command1");
    QCOMPARE(answerBox()->text(), QStringLiteral("c"));
    QCOMPARE(t->program.practice.hintCount, qint16(4));
    QCOMPARE(t->program.practice.cheatCount, qint16(1));

    click("cmdmeny");
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(summary(1, 0, 4, 1))});
}

void TestFrmOva::backHandsTheListBackWithSummary()
{
    startWith({{"7", "seven"}, {"12 apor", "12 apes"}, {"apa", "ape"}, {"0", "zero"}});
    answer(QStringLiteral("fel"));
    click("cmdmeny");

    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(summary(0, 0, 0, 0))});
    TestProgram::flushDeletes();
    FrmGlos *main = t->program.loadedGlos();
    QVERIFY(main && main->isVisible());
    // Every Swedish word is listed again, also those that read as numbers.
    auto *list = child<QListWidget>(main, "listGlos");
    QStringList words;
    for (int i = 0; i < list->count(); ++i)
        words << list->item(i)->text();
    QCOMPARE(words, (QStringList{"7", "12 apor", "apa", "0"}));
    QCOMPARE(main->grid().rowCount(), 5);
    QCOMPARE(main->grid().cell(0, 0), QStringLiteral("4"));
    QCOMPARE(t->program.state.wordCount, quint8(4));
    QCOMPARE(child<QLabel>(main, "Tid")->text(), QStringLiteral("Klockan är 13:05:09"));
}

void TestFrmOva::countsAreTotalsAcrossPractices()
{
    startWith({{"a", "b"}});
    answer(QStringLiteral("x"));
    click("cmdforsok");
    answer(QStringLiteral("b"));
    QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, okBox(summary(1, 1, 0, 0))}));
    TestProgram::flushDeletes();

    QTest::mouseClick(child<QPushButton>(t->program.loadedGlos(), "cmdOva"), Qt::LeftButton);
    TestProgram::flushDeletes();
    QCOMPARE(word()->text(), QStringLiteral("a"));
    answer(QStringLiteral("b"));
    QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, okBox(summary(2, 1, 0, 0))}));
}

void TestFrmOva::clockHiddenWhenSwitchedOffButStillTicks()
{
    t->program.state.showClock = VbFalse;
    FrmOva &ova = startWith({{"hus", "house"}});
    auto *tid = child<QLabel>(&ova, "Tid");
    QVERIFY(!tid->isVisible());
    QCOMPARE(tid->text(), QStringLiteral("Klockan är 13:05:09"));
    QCOMPARE(child<QTimer>(&ova, "Timer1")->interval(), 1000);
    t->clock.time = QTime(8, 0, 1);
    ova.Timer1_Timer();
    QCOMPARE(tid->text(), QStringLiteral("Klockan är 08:00:01"));
}

void TestFrmOva::colorsFollowTheSettingsAndTheAnswer()
{
    t->program.state.practiceBackColor = 0x00123456;
    t->program.state.practiceBoxBackColor = 0x00ABCDEF;
    FrmOva &ova = startWith({{"hus", "house"}, {"bil", "car"}});
    const auto back = [](QWidget *w) { return w->palette().color(w->backgroundRole()); };
    QCOMPARE(back(word()), QColor(0x56, 0x34, 0x12));
    QCOMPARE(back(child<QLabel>(&ova, "Text1")), QColor(0x56, 0x34, 0x12));
    QCOMPARE(answerBox()->palette().color(QPalette::Base), QColor(0xEF, 0xCD, 0xAB));

    answer(QStringLiteral("fel"));
    QCOMPARE(back(word()), QColor(Qt::red));
    click("cmdforsok");
    QCOMPARE(back(word()), QColor(0x56, 0x34, 0x12));
    answer(QStringLiteral("house"));
    QCOMPARE(back(word()), QColor(Qt::green));

    click("cmdmeny");
    QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(summary(1, 1, 0, 0))});
}

void TestFrmOva::repeatModeAsksEachWordTwiceInTheWindow()
{
    t->program.state.directionMode = 6;
    startWith({{"hus", "house"}, {"bil", "car"}});
    const QStringList expected{"house", "hus", "car", "bil"};
    const QStringList answers{"hus", "house", "bil", "car"};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(word()->text(), expected[i]);
        answer(answers[i]);
        if (i + 1 < expected.size())
            click("cmdny");
    }
    QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, okBox(summary(4, 0, 0, 0))}));
}

void TestFrmOva::closeBoxLeavesWithoutSummary()
{
    FrmOva &ova = startWith({{"hus", "house"}});
    ova.close();
    TestProgram::flushDeletes();
    QVERIFY(!t->program.loadedOva());
    QVERIFY(!t->program.loadedGlos());
}

void TestFrmOva::exitMenuEndsAtOnce()
{
    FrmOva &ova = startWith({{"hus", "house"}});
    child<QAction>(&ova, "mnuArkavsluta")->trigger();
    QCOMPARE(t->quitCalls, 1);
    QVERIFY(!t->program.loadedOva());
    QVERIFY(!t->program.loadedGlos());
}

QTEST_MAIN(TestFrmOva)
#include "tst_frmova.moc"
