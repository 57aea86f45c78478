#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

// The drill itself is tested on the engine; these tests are about the window around it.
class TestFrmOva : public WindowTest {
    Q_OBJECT

    static Message summaryBox(int right, int retries, int hints, int cheats)
    {
        return okBox(
            QString::asprintf("Du tränade %d glosor\r\nDu hade %d fel\r\nAnvände gloshjälpen %d gång(er)\r\n"
                              "Du använde fuskfunktionen %d gång(er)\r\n",
                              right, retries, hints, cheats));
    }
    FrmOva *ova() const { return t->program.frmOva.loaded(); }
    template <class T = QWidget> T *control(const char *name) { return child<T>(ova(), name); }
    QLineEdit *answerBox() { return control<QLineEdit>("txteng"); }
    void answer(const QString &text) // replaces what the box holds, then presses Enter
    {
        answerBox()->setFocus();
        answerBox()->selectAll();
        typeText(answerBox(), text);
        pressEnter(answerBox());
        TestProgram::flushDeletes();
    }
    // The word, the step buttons on show ("Fusk" stays hidden) and, after "@", the focused control.
    QString shown()
    {
        QString text = control<QLabel>("frsv")->text();
        for (const char *name : {"cmdKlar", "cmdforsok", "cmdny", "CmdFusk"})
            if (control(name)->isVisible())
                text += u'|' + QString::fromUtf8(name);
        return text + u" @"_s + (ova()->focusWidget() ? ova()->focusWidget()->objectName() : QString());
    }

private slots:
    void enterPressesTheStepOrTheFocusedButton()
    {
        t->startPractice({{u"hund"_s, u"Hund"_s}, {u"katt"_s, u"cat"_s}});
        QCOMPARE(shown(), u"hund|cmdKlar @txteng"_s);
        answer(u"hund"_s);
        QCOMPARE(shown(), u"Fel försök igen|cmdforsok @txteng"_s);
        pressEnter(answerBox()); // "Försök igen"
        QCOMPARE(shown(), u"hund|cmdKlar @txteng"_s);
        QCOMPARE(answerBox()->selectedText(), u"hund"_s); // typing replaces the wrong answer
        answer(u"Hund"_s);
        QCOMPARE(shown(), u"Rätt!|cmdny @txteng"_s);
        pressEnter(answerBox()); // "Nästa"
        QCOMPARE(shown(), u"katt|cmdKlar @txteng"_s);
        QCOMPARE(answerBox()->text(), QString());

        typeText(answerBox(), u"xyz"_s);
        control("Command1")->setFocus();
        pressEnter(control("Command1"));       // the focused button, not the default one
        QCOMPARE(answerBox()->text(), u"c"_s); // what was typed is replaced
        QCOMPARE(shown(), u"katt|cmdKlar @Command1"_s);

        control("cmdKlar")->setFocus(); // pressed with the mouse, it hands Enter on to the next step
        pressEnter(control("cmdKlar"));
        QCOMPARE(shown(), u"Fel försök igen|cmdforsok @cmdforsok"_s);
        t->run(u"cmdmeny"_s);
        QCOMPARE(t->dialogs.takeMessages(), QList<Message>{summaryBox(1, 1, 1, 0)});
        QCOMPARE(t->listed(), (QStringList{u"hund"_s, u"katt"_s})); // handed back to the main window
    }

    // A long word shrinks, then wraps, and is never cut; a short one keeps its size.
    void wordsShowWhole_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("short") << u"hus"_s << false;
        QTest::newRow("25 letters") << u"sjuksköterskeutbildningen"_s << false;
        QTest::newRow("253 letters") << u"sjuksköterskeutbildningen"_s.repeated(11).left(253) << true;
        QTest::newRow("blanks") << u"ett två tre fyra fem sex sju åtta nio tio elva tolv tretton fjorton"_s << true;
    }
    void wordsShowWhole()
    {
        QFETCH(QString, word);
        QFETCH(bool, wraps);
        t->startPractice({{word, u"x"_s}});
        auto *label = control<QLabel>("frsv");
        QCOMPARE(label->text().remove(u'\u200B'), word);
        QCOMPARE(label->wordWrap(), wraps);
        const QFontMetrics metrics = label->fontMetrics();
        if (word.size() < 5)
            QCOMPARE(label->font().pointSizeF(), 24.0);
        else if (!wraps)
            QVERIFY(metrics.horizontalAdvance(word) <= label->contentsRect().width());
        QVERIFY(label->heightForWidth(label->contentsRect().width()) <= label->contentsRect().height() || !wraps);
        for (const QString &piece : label->text().split(QRegularExpression(u"[\\s\\x{200B}]"_s)))
            QVERIFY(metrics.horizontalAdvance(piece) <= label->contentsRect().width());
        t->run(u"cmdmeny"_s);
        t->dialogs.takeMessages();
    }

    // A pair missed in practice can be practised alone until none is missed.
    void missedPairsPractisedAgain()
    {
        const auto missedItem = [this] { return child<QAction>(t->program.frmglos.loaded(), u"mnuAltMissade"_s); };
        t->startPractice({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}});
        answer(u"hem"_s);
        t->run(u"cmdforsok"_s);
        answer(u"house"_s);
        t->run(u"cmdny"_s);
        answer(u"cat"_s);
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{okBox(u"Alla glosor är användna"_s), summaryBox(2, 1, 0, 0)}));
        QVERIFY(missedItem()->isEnabled());

        t->run(u"mnuAltMissade"_s);
        QCOMPARE(shown(), u"hus|cmdKlar @txteng"_s);
        answer(u"house"_s); // the only pair: practice over, nothing missed
        QCOMPARE(t->dialogs.takeMessages(), (QList<Message>{okBox(u"Alla glosor är användna"_s), summaryBox(3, 1, 0, 0)}));
        QVERIFY(!missedItem()->isEnabled());
        QCOMPARE(t->listed(), (QStringList{u"hus"_s, u"katt"_s})); // the list itself unchanged
    }

    // "&Lyssna" says the word shown, in its language, and the English word once
    // the answer is known; never an answer not yet given or shown.
    void listenSaysWhatIsShown()
    {
        t->startPractice({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}});
        t->run(u"cmdLyssna"_s);
        answer(u"fel"_s);
        t->run(u"cmdLyssna cmdforsok"_s);
        answer(u"house"_s);
        t->run(u"cmdLyssna cmdny cmdLyssna Command1 Command1 Command1"_s); // the third hint reveals "cat"
        t->run(u"cmdLyssna"_s);
        QCOMPARE(t->speaker.said, (QStringList{"sv:hus", "sv:hus", "en:house", "sv:katt", "en:cat"}));
        QCOMPARE(t->dialogs.takeMessages().size(), 1); // the revealed answer, nothing from speech
    }

    void listenWithoutAVoice()
    {
        t->speaker.voices = {Speaker::Language::English};
        t->startPractice({{u"hus"_s, u"house"_s}, {u"katt"_s, u"cat"_s}});
        QVERIFY(control("cmdLyssna")->isEnabled()); // nothing is asked of speech before a press
        t->run(u"cmdLyssna"_s);
        QCOMPARE(t->speaker.said, QStringList());
        QVERIFY(!control("cmdLyssna")->isEnabled());
        QCOMPARE(control("cmdLyssna")->toolTip(), u"Det finns ingen svensk röst på datorn att läsa upp ordet med."_s);
        answer(u"house"_s); // the English word may be said
        QVERIFY(control("cmdLyssna")->isEnabled());
    }

    void ctrlQEndsTheProgram()
    {
        t->startPractice({{u"hus"_s, u"house"_s}});
        t->run(u"Ctrl+Q"_s);
        QCOMPARE(t->quitCalls, 1);
        QVERIFY(!ova());
    }

    void resumeAsksTheSameQuestionToTheEndOfThePass()
    {
        t->startPractice({{u"hus"_s, u"house"_s}, {u"öga"_s, u"eye"_s}, {u"bil"_s, u"car"_s}});
        answer(u"house"_s);
        t->run(u"cmdny"_s);
        answer(u"eye"_s);
        pressEnter(answerBox());
        answer(u"fel"_s);
        t->clock.time = QTime(14, 0, 0);
        t->run(u"mnuAltSe"_s);
        t->session.setList({}); // emptied meanwhile: practice goes on with its own copy
        t->run(u"tbsOptions=1 opGlos_1 cmdOK"_s); // the last word, now the other way round
        QCOMPARE(shown(), u"car|cmdKlar @txteng"_s);
        QCOMPARE(control<QLabel>("Tid")->text(), u"Klockan är 14:00:00"_s); // at once, not a second later
        QStringList behind; // what is on show while each box is open: no "Nästa"
        t->dialogs.whileShown = [&](const Message &) {
            behind << (ova() ? shown() : u"gone"_s) + (t->program.frmglos.loaded() ? u" main"_s : u""_s);
        };
        answer(u"bil"_s);
        QCOMPARE(t->dialogs.takeMessages(),
                 (QList<Message>{okBox(u"Alla glosor är användna"_s), summaryBox(3, 0, 0, 0)}));
        QCOMPARE(behind, (QStringList{u"Rätt! @txteng"_s, u"Rätt! @txteng main"_s}));
        QVERIFY(!ova() && t->program.frmglos.loaded()->isVisible());
    }
};

QTEST_MAIN(TestFrmOva)
#include "tst_frmova.moc"
