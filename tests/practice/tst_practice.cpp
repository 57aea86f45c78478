#include "support/testprogram.h"

namespace {
const QString Screen = u"frsv cmdKlar cmdforsok cmdny CmdFusk"_s;
} // namespace

class TestPractice : public WindowTest {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        const QString start = u"glosor=hund=Hund|katt=cat cmdOva "_s, wrong = start + u"txteng=hund Enter "_s;
        const QString right = wrong + u"Enter txteng=Hund Enter "_s,
                      missed = u"glosor=hus=house|katt=cat cmdOva txteng=hem Enter cmdforsok txteng=house "
                               u"Enter cmdny txteng=cat Enter "_s;
        const QString over = u"Alla glosor är användna\nDu tränade %1 glosor | Du hade %2 fel | "
                             u"Använde gloshjälpen 0 gång(er) | Du använde fuskfunktionen 0 gång(er) | "_s;
        addRows<Scenario>({
            {"asked", start, "hund cmdKlar* txteng= @txteng"},
            {"wrong", wrong, "Fel försök igen cmdforsok* txteng=hund @txteng"},
            {"Enter tries again, the wrong answer selected", wrong + "Enter",
             "hund cmdKlar* txteng=[hund] @txteng"},
            {"answers match exactly", right, "Rätt! cmdny* txteng=Hund @txteng"},
            {"Enter asks the next", right + "Enter", "katt cmdKlar* txteng= @txteng"},
            {"Enter presses the focused button: a hint", right + "Enter txteng=xyz @Command1 Enter",
             "katt cmdKlar txteng=c @Command1"},
            {"pressed with the mouse, the step hands on Enter", right + "Enter @cmdKlar Enter",
             "Fel försök igen cmdforsok* txteng= @cmdforsok"},
            {"the summary, the list handed back", right + "cmdmeny",
             "hund,katt\nDu tränade 1 glosor | Du hade 1 fel | Använde gloshjälpen 0 gång(er) | Du använde "
             "fuskfunktionen 0 gång(er) | "},
            {"missed pairs practised alone", missed + "mnuAltMissade",
             "hus cmdKlar* txteng= @txteng\n" + over.arg(2).arg(1)},
            {"until none is missed", missed + "mnuAltMissade txteng=house Enter mnuAltMissade",
             "hus,katt\n" + over.arg(2).arg(1) + "\n" + over.arg(3).arg(1)},
            // Leaving early keeps the missed pairs that were not asked again.
            {"missed until answered right",
             "glosor=a=1|b=2|c=3 cmdOva txteng=x Enter cmdforsok txteng=1 Enter cmdny txteng=x Enter "
             "cmdforsok "
             "txteng=2 Enter cmdny txteng=x Enter cmdforsok txteng=3 Enter mnuAltMissade txteng=1 Enter "
             "cmdmeny "
             "mnuAltMissade",
             "b cmdKlar* txteng= @txteng\n" + over.arg(3).arg(3) +
                 "\nDu tränade 4 glosor | Du hade 3 fel | "
                 "Använde gloshjälpen 0 gång(er) | Du använde fuskfunktionen 0 gång(er) | "},
            // "&Lyssna" says the word shown in its language, the English word once the answer is known.
            {"listen",
             start + "cmdLyssna txteng=fel Enter cmdLyssna cmdforsok txteng=Hund Enter cmdLyssna cmdny "
                     "cmdLyssna Command1 Command1 Command1 cmdLyssna",
             "katt cmdKlar* txteng=ca @txteng\nRätt svar är: | cat [FUSK]\nsv:hund sv:hund en:Hund sv:katt "
             "en:cat"},
        });
    }
    void scenarios()
    {
        QFETCH(Scenario, row);
        t->run(row.given);
        const QString shown =
            t->program.frmOva.loaded() ? t->screen(Screen + u" txteng"_s) : t->listed().join(u',');
        QStringList parts{shown, t->log(), t->speaker.said.join(u' ')};
        parts.removeAll(QString());
        QCOMPARE(parts.join(u'\n'), row.shown);
    }

    // Speech never holds practice up: a language without a voice keeps "&Lyssna" greyed in later practices
    // too, a speech engine that stops answering greys it for the run, and after a press Enter checks.
    void speechNeverHoldsPracticeUp()
    {
        const auto listen = [this] {
            auto *button = control<QPushButton>(u"cmdLyssna"_s);
            return button->isEnabled() ? u"enabled"_s : button->toolTip();
        };
        t->speaker.answers[0] = Speaker::Voice::Missing;
        t->run(u"glosor=hund=Hund|katt=cat cmdOva cmdLyssna"_s);
        QCOMPARE(listen(), u"Det finns ingen svensk röst på datorn att läsa upp ordet med."_s);
        t->run(u"cmdmeny cmdOva"_s);
        t->log();
        QCOMPARE(listen(), u"Det finns ingen svensk röst på datorn att läsa upp ordet med."_s);
        t->run(u"txteng=Hund Enter cmdLyssna"_s); // the English word has a voice
        QCOMPARE(t->screen(Screen + u" txteng"_s), u"Rätt! cmdny* txteng=Hund @txteng"_s);
        QCOMPARE(t->speaker.said, QStringList{u"en:Hund"_s});

        t = std::make_unique<TestProgram>();
        t->speaker.answers[0] = t->speaker.answers[1] = Speaker::Voice::NotAnswering;
        t->run(u"glosor=hund=Hund|katt=cat cmdOva cmdLyssna txteng=Hund Enter Enter"_s);
        QCOMPARE(t->screen(Screen + u" txteng"_s), u"katt cmdKlar* txteng= @txteng"_s);
        QCOMPARE(listen(), u"Datorns uppläsning svarar inte, så ordet kan inte läsas upp."_s);
        QCOMPARE(t->speaker.said, QStringList{u"en:Hund"_s}.mid(1));
    }

    void quitItemEndsTheProgram()
    {
        t->run(u"glosor=a=1 cmdOva mnuArkavsluta"_s);
        QCOMPARE(t->quits, 1);
        QVERIFY(!t->program.frmOva.loaded());
    }

    // A long word shrinks, then wraps, and is never cut; a short one keeps its size.
    void wordsShowWhole()
    {
        for (const QString &word :
             {u"hus"_s, u"sjuksköterskeutbildningen"_s, u"sjuksköterskeutbildningen"_s.repeated(11).left(253),
              u"ett två tre fyra fem sex sju åtta nio tio elva tolv tretton fjorton"_s}) {
            t = std::make_unique<TestProgram>();
            t->addPairs({{word, u"x"_s}});
            t->run(u"cmdOva"_s);
            auto *label = control<QLabel>(u"frsv"_s);
            QVERIFY2(label->text().remove(u'\u200B') == word && showsWhole(label), qPrintable(word));
            QCOMPARE(label->wordWrap(), word.size() > 25);
            QVERIFY(word.size() > 5 || label->font().pointSizeF() == 24.0);
        }
        // The answer box takes as long a word as a word file holds.
        QCOMPARE(control<QLineEdit>(u"txteng"_s)->maxLength(), WordList::MaxWordLength);
    }

    void resumeAsksTheSameQuestionToTheEndOfThePass()
    {
        t->run(u"glosor=hus=house|öga=eye|bil=car cmdOva txteng=house Enter Enter "
               u"txteng=eye Enter Enter txteng=fel Enter"_s);
        t->clock.time = QTime(14, 0, 0);
        t->run(u"mnuAltSe"_s);
        t->session.setList({});                   // emptied meanwhile: practice goes on with its own copy
        t->run(u"tbsOptions=1 opGlos_1 cmdOK"_s); // the last word, now the other way round
        QCOMPARE(t->screen(Screen + u" Tid"_s),
                 u"car cmdKlar* Klockan är 14:00:00 @txteng"_s); // the time at once
        QStringList behind; // what is on show while each box is open: no "Nästa"
        t->dialogs.whileShown = [&](const Message &) {
            behind << (t->program.frmOva.loaded() ? t->screen(Screen) : u"gone"_s) +
                          (t->program.frmglos.loaded() ? u" main"_s : u""_s);
        };
        t->run(u"txteng=bil Enter"_s);
        QCOMPARE(t->log().section(u'\n', 0, 0), u"Alla glosor är användna"_s);
        QCOMPARE(behind, (QStringList{u"Rätt! @txteng"_s, u"Rätt! @txteng main"_s}));
        QVERIFY(!t->program.frmOva.loaded() && t->program.frmglos.loaded()->isVisible());
    }
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
