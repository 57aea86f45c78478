#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
Message summaryBox(int right, int retries, int hints, int cheats)
{
    return okBox(
        QString::asprintf("Du tränade %d glosor\r\nDu hade %d fel\r\nAnvände gloshjälpen %d gång(er)\r\n"
                          "Du använde fuskfunktionen %d gång(er)\r\n",
                          right, retries, hints, cheats));
}

const Message AllUsed = okBox(u"Alla glosor är användna"_s);
} // namespace

// The drill itself is tested on the engine; these tests are about the window around it.
class TestFrmOva : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> t;

    // Types the pairs into the main window and presses its practice button.
    FrmOva &startWith(const QList<WordPair> &pairs)
    {
        FrmGlos &main = t->program.frmglos();
        main.show();
        for (const WordPair &pair : pairs) {
            typeText(child<QLineEdit>(&main, "txtsv"), pair.swedish);
            typeText(child<QLineEdit>(&main, "txteng"), pair.english);
            main.cmdNästa_Click();
        }
        click("cmdOva", &main);
        return *ova();
    }
    FrmOva *ova() const { return t->program.loadedOva(); }
    template <class T = QWidget> T *control(const char *name) { return child<T>(ova(), name); }
    QLineEdit *answerBox() { return control<QLineEdit>("txteng"); }
    void click(const char *button, QWidget *window = nullptr)
    {
        QTest::mouseClick(child<QPushButton>(window ? window : ova(), button), Qt::LeftButton);
        TestProgram::flushDeletes();
    }
    void answer(const QString &text) // replaces what the box holds, then presses Enter
    {
        answerBox()->selectAll();
        typeText(answerBox(), text);
        pressEnter(answerBox());
        TestProgram::flushDeletes();
    }
    // The word, its background and which step buttons are on show ("Fusk" stays hidden).
    QString shown()
    {
        auto *word = control<QLabel>("frsv");
        QString text = word->text() + u'|' + word->palette().color(word->backgroundRole()).name();
        for (const char *name : {"cmdKlar", "cmdforsok", "cmdny", "CmdFusk"})
            if (control(name)->isVisible())
                text += u'|' + QString::fromUtf8(name);
        return text;
    }

private slots:
    void init()
    {
        t = std::make_unique<TestProgram>();
        t->startState();
    }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }

    void passEndsWithTwoBoxesInOrder()
    {
        FrmOva &window = startWith({{"hus", "house"}});
        QVERIFY(!t->program.loadedGlos()); // the practice window holds the list now
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), u"Glosövning"_s);
        QCOMPARE(control<QLabel>("Text1")->text(), u"Översätt:"_s);
        answer(u"house"_s);
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, summaryBox(1, 0, 0, 0)}));
        QVERIFY(!ova());
        QVERIFY(t->program.loadedGlos()->isVisible());

        // The counts are totals for the whole run, also when the window is loaded anew.
        click("cmdOva", t->program.loadedGlos());
        answer(u"house"_s);
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, summaryBox(2, 0, 0, 0)}));
    }

    void enterPressesTheVisibleStepButtonAndColoursFollow()
    {
        t->program.state.practiceBackColor = 0x00123456;
        t->program.state.practiceBoxBackColor = 0x00ABCDEF;
        startWith({{"hund", "Hund"}, {"katt", "cat"}});
        QCOMPARE(answerBox()->palette().color(QPalette::Base), QColor(0xEF, 0xCD, 0xAB));
        QWidget *prompt = control("Text1");
        QCOMPARE(prompt->palette().color(prompt->backgroundRole()), QColor(0x56, 0x34, 0x12));
        QCOMPARE(shown(), u"hund|#563412|cmdKlar"_s);
        answer(u"hund"_s);
        QCOMPARE(shown(), u"Fel försök igen|#ff0000|cmdforsok"_s);
        pressEnter(answerBox()); // "Försök igen"
        QCOMPARE(shown(), u"hund|#563412|cmdKlar"_s);
        QCOMPARE(answerBox()->selectedText(), u"hund"_s); // typing replaces the wrong answer
        answer(u"Hund"_s);
        QCOMPARE(shown(), u"Rätt!|#00ff00|cmdny"_s);
        pressEnter(answerBox()); // "Nästa"
        QCOMPARE(shown(), u"katt|#563412|cmdKlar"_s);
        QCOMPARE(answerBox()->text(), QString());
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(1, 1, 0, 0)});
    }

    void hintFillsTheAnswerThenReveals()
    {
        startWith({{"hund", "dog"}});
        typeText(answerBox(), u"xyz"_s);
        click("Command1");
        QCOMPARE(answerBox()->text(), u"d"_s); // what was typed is replaced
        click("Command1");
        click("Command1");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{okBox(u"Rätt svar är:\r\ndog"_s, u"FUSK"_s)});
        QCOMPARE(answerBox()->text(), u"do"_s);
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(0, 0, 3, 1)});
    }

    void backHandsTheListBackWithSummary()
    {
        t->program.state.showClock = VbFalse;
        startWith({{"7", "seven"}, {"12 apor", "12 apes"}, {"apa", "ape"}, {"0", "zero"}});
        auto *tid = control<QLabel>("Tid"); // hidden, and still ticking
        QVERIFY(!tid->isVisible());
        t->clock.time = QTime(8, 0, 1);
        ova()->Timer1_Timer();
        QCOMPARE(tid->text(), u"Klockan är 08:00:01"_s);
        answer(u"fel"_s);
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(0, 0, 0, 0)});
        FrmGlos *main = t->program.loadedGlos();
        QVERIFY(main && main->isVisible());
        // Every Swedish word is listed again, also those that read as numbers.
        auto *list = child<QListWidget>(main, "listGlos");
        QStringList words;
        for (int i = 0; i < list->count(); ++i)
            words << list->item(i)->text();
        QCOMPARE(words, (QStringList{"7", "12 apor", "apa", "0"}));
        QCOMPARE(main->grid().pair(2), (WordPair{"12 apor", "12 apes"}));
        QCOMPARE(main->grid().cell(0, 0), u"4"_s);
        QCOMPARE(child<QLabel>(main, "Tid")->text(), u"Klockan är 08:00:01"_s);
    }

    void closeBoxAndExitMenuLeaveWithoutSummary()
    {
        startWith({{"hus", "house"}}).close();
        TestProgram::flushDeletes();
        QVERIFY(!ova() && !t->program.loadedGlos());
        startWith({{"hus", "house"}});
        control<QAction>("mnuArkavsluta")->trigger();
        QCOMPARE(t->quitCalls, 1);
        QVERIFY(!ova() && !t->program.loadedGlos());
    }
};

QTEST_MAIN(TestFrmOva)
#include "tst_frmova.moc"
