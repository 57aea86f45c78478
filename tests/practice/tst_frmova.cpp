#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"
#include "support/typing.h"

#include <QLabel>
#include <QLineEdit>

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

    FrmOva *ova() const { return t->program.frmOva.loaded(); }
    template <class T = QWidget> T *control(const char *name) { return child<T>(ova(), name); }
    QLineEdit *answerBox() { return control<QLineEdit>("txteng"); }
    void click(const char *button) { TestProgram::click(ova(), button); }
    void answer(const QString &text) // replaces what the box holds, then presses Enter
    {
        answerBox()->setFocus();
        answerBox()->selectAll();
        typeText(answerBox(), text);
        pressEnter(answerBox());
        TestProgram::flushDeletes();
    }
    // The word and which step buttons are on show ("Fusk" stays hidden).
    QString shown()
    {
        QString text = control<QLabel>("frsv")->text();
        for (const char *name : {"cmdKlar", "cmdforsok", "cmdny", "CmdFusk"})
            if (control(name)->isVisible())
                text += u'|' + QString::fromUtf8(name);
        return text;
    }

private slots:
    void init() { t = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        VERIFY_NO_PENDING_DIALOGS(t->dialogs);
        t.reset();
    }

    void passEndsWithTwoBoxesInOrder()
    {
        FrmOva *window = t->startPractice({{u"hus"_s, u"house"_s}});
        QVERIFY(window && window->isVisible());
        QVERIFY(!t->program.frmglos.loaded()); // the practice window holds the list now
        QCOMPARE(window->windowTitle(), u"Glosövning"_s);
        QStringList behind; // what is on show while each box is open
        t->dialogs.whileShown = [&](const Message &) {
            behind << (ova() ? shown() : u"no practice"_s) +
                          (t->program.frmglos.loaded() ? u" main"_s : u""_s);
        };
        answer(u"house"_s);
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, summaryBox(1, 0, 0, 0)}));
        QCOMPARE(behind, (QStringList{u"Rätt!"_s, u"Rätt! main"_s})); // no "Nästa" behind the boxes
        QVERIFY(!ova());
        QVERIFY(t->program.frmglos.loaded()->isVisible());

        // The counts are totals for the whole run, also when the window is loaded anew.
        t->dialogs.whileShown = nullptr;
        TestProgram::click(&t->main(), "cmdOva");
        answer(u"house"_s);
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{AllUsed, summaryBox(2, 0, 0, 0)}));
    }

    void enterPressesTheStepOrTheFocusedButton()
    {
        t->startPractice({{u"hund"_s, u"Hund"_s}, {u"katt"_s, u"cat"_s}});
        QCOMPARE(shown(), u"hund|cmdKlar"_s);
        answer(u"hund"_s);
        QCOMPARE(shown(), u"Fel försök igen|cmdforsok"_s);
        pressEnter(answerBox()); // "Försök igen"
        QCOMPARE(shown(), u"hund|cmdKlar"_s);
        QCOMPARE(answerBox()->selectedText(), u"hund"_s); // typing replaces the wrong answer
        answer(u"Hund"_s);
        QCOMPARE(shown(), u"Rätt!|cmdny"_s);
        pressEnter(answerBox()); // "Nästa"
        QCOMPARE(shown(), u"katt|cmdKlar"_s);
        QCOMPARE(answerBox()->text(), QString());

        auto *hint = control<QPushButton>("Command1");
        hint->setFocus();
        QVERIFY(hint->isDefault() && !control<QPushButton>("cmdKlar")->isDefault());
        pressEnter(hint); // the focused button, not the default one
        QCOMPARE(answerBox()->text(), u"c"_s);
        QCOMPARE(shown(), u"katt|cmdKlar"_s);

        control("cmdKlar")->setFocus(); // pressed with the mouse, it hands Enter on to the next step
        pressEnter(control("cmdKlar"));
        QCOMPARE(shown(), u"Fel försök igen|cmdforsok"_s);
        QVERIFY(control<QPushButton>("cmdforsok")->hasFocus());
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(1, 1, 1, 0)});
    }

    void hintFillsTheAnswerThenReveals()
    {
        t->startPractice({{u"hund"_s, u"dog"_s}});
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
        t->startPractice({{u"7"_s, u"seven"_s}, {u"12 apor"_s, u"12 apes"_s}, {u"apa"_s, u"ape"_s}});
        t->clock.time = QTime(8, 0, 1);
        answer(u"fel"_s);
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(0, 0, 0, 0)});
        FrmGlos *main = t->program.frmglos.loaded();
        QVERIFY(main && main->isVisible());
        // Every Swedish word is listed again, also those that read as numbers.
        QCOMPARE(t->listed(), (QStringList{u"7"_s, u"12 apor"_s, u"apa"_s}));
        QCOMPARE(main->grid().pair(2), (WordPair{u"12 apor"_s, u"12 apes"_s}));
        QCOMPARE(main->grid().cell(0, 0), u"3"_s);
        QCOMPARE(t->program.state.wordCount, quint8(3));
        QCOMPARE(child<QLabel>(main, "Tid")->text(), u"Klockan är 08:00:01"_s);
    }

    void resumeAsksTheSameQuestionAgain()
    {
        t->startPractice({{u"hus"_s, u"house"_s}, {u"<s>öga</s>"_s, u"eye"_s}, {u"bil"_s, u"car"_s}});
        answer(u"house"_s);
        pressEnter(answerBox());
        click("Command1");
        answer(u"fel"_s);
        const WordList list = ova()->grid(); // a trip through the options window
        ova()->unload();
        TestProgram::flushDeletes();
        t->program.state.currentDirection = 1;

        t->program.frmOva.get().resumePractice(list);
        QVERIFY(ova()->isVisible());
        QCOMPARE(shown(), u"eye|cmdKlar"_s);
        QCOMPARE(answerBox()->text(), QString());
        answer(u"<s>öga</s>"_s); // words are shown and compared as typed
        QCOMPARE(shown(), u"Rätt!|cmdny"_s);
        pressEnter(answerBox());
        QCOMPARE(shown(), u"car|cmdKlar"_s);
        QCOMPARE(control<QLabel>("frsv")->textFormat(), Qt::PlainText);
        click("cmdmeny");
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(2, 0, 1, 0)});
    }

    void closeBoxAndExitMenuLeaveWithoutSummary()
    {
        t->startPractice({{u"hus"_s, u"house"_s}})->close();
        TestProgram::flushDeletes();
        QVERIFY(!ova() && !t->program.frmglos.loaded());
        t->startPractice({{u"hus"_s, u"house"_s}});
        TestProgram::trigger(ova(), "mnuArkavsluta");
        QCOMPARE(t->quitCalls, 1);
        QVERIFY(!ova() && !t->program.frmglos.loaded());
    }
};

QTEST_MAIN(TestFrmOva)
#include "tst_frmova.moc"
