#include "core/practiceengine.h"
#include "support/testprogram.h"

using Outcome = PracticeEngine::Outcome;

namespace {
// A practice window's state around an engine, on the pairs sv1=en1 … svN=enN (the word shown tells the row
// and the language) and any others given.
struct Rig {
    AppState state;
    PracticeState practice;
    WordList list;
    ScriptedRandom random;
    PracticeEngine engine{state, practice, list, random};

    explicit Rig(int count, const Pairs &pairs = {})
    {
        state.applyStartDefaults();
        for (int n = 1; n <= count; ++n)
            list.append(u"sv%1"_s.arg(n), u"en%1"_s.arg(n));
        list.append(pairs);
    }
};
struct Drill {
    const char *name;
    int mode;
    bool endless, random;
    QList<int> draws;
    QString given; // R right, W wrong and "Försök igen", H a hint, N "Nästa"
    QString asked; // the word of each R and W, "end" when the pass ends there; empty: not checked
    QString missed;
};
QString rights(int count)
{
    return u"R N "_s.repeated(count).chopped(3);
}
const QString Screen = u"frsv cmdKlar cmdforsok cmdny CmdFusk"_s;
} // namespace

class TestPractice : public WindowTest {
    Q_OBJECT

private slots:
    void drills_data()
    {
        addRows<Drill>({
            {"1 once", 1, false, false, {}, rights(3), "sv1 sv2 sv3 end", ""},
            {"3 endless", 3, true, false, {}, rights(7), "en1 en2 en3 sv1 sv2 sv3 en1", ""},
            // Mode 4 draws after a right answer and again at "Nästa"; the second draw counts.
            {"4 endless", 4, true, false, {0, 1, 1, 0, 1, 0}, rights(4), "sv1 en2 sv3 sv1", ""},
            {"5 endless", 5, true, false, {}, rights(7), "sv1 en2 sv3 en1 sv2 en3 sv1", ""},
            {"6 once", 6, false, false, {}, rights(6), "en1 sv1 en2 sv2 en3 sv3 end", ""},
            {"random once", 1, false, true, {1, 1, 0}, rights(3), "sv2 sv3 sv1 end", ""},
            // The word just asked sits out the first draw of the next pass, then goes back into it.
            {"random endless", 1, true, true, {0, 0, 0, 2, 0, 1}, rights(6), "sv1 sv2 sv3 sv1 sv2 sv3", ""},
            {"random endless, first last", 1, true, true, {2, 1}, rights(6), "sv3 sv2 sv1 sv2 sv3 sv1", ""},
            {"wrong, then right", 1, false, false, {}, "W R N R N R", "sv1 sv1 sv2 sv3 end", "sv1"},
            {"hinted", 2, false, false, {}, "R N H R N R", "en1 en2 en3 end", "sv2"},
            {"wrong, and revealed", 1, false, false, {}, "R N W R N H H R", "", "sv2 sv3"},
            {"a hint after Rätt! misses nothing", 1, false, false, {}, "R H N R N R", "", ""},
            {"Repetera: missed in both halves, once",
             6,
             false,
             false,
             {},
             "W R N W R N " + rights(5),
             "",
             "sv1"},
            {"endless, second pass", 1, true, false, {}, rights(3) + " N W R N R", "", "sv1"},
        });
    }
    void drills()
    {
        QFETCH(Drill, row);
        Rig rig(3);
        rig.state.directionMode = DirectionMode(row.mode);
        // As the options window sets them.
        rig.state.currentDirection = row.mode == 2 || row.mode == 3 ? Direction::English : Direction::Swedish;
        rig.state.practiceOrder = row.random ? PracticeOrder::Random : PracticeOrder::List;
        rig.state.endlessPractice = row.endless;
        rig.random.push(row.draws);
        rig.practice.missed = {{"old", "miss"}}; // of an earlier practice
        rig.engine.start();
        QStringList asked;
        for (const QString &step : row.given.split(u' ')) {
            const QString word = rig.engine.display().word;
            if (step == u"R" || step == u"W") {
                asked << word;
                const QString right = (word.startsWith(u"sv") ? u"en"_s : u"sv"_s) + word.mid(2);
                if (rig.engine.checkAnswer(step == u"R" ? right : u"fel"_s) == Outcome::PracticeOver)
                    asked << u"end"_s;
                if (step == u"W")
                    rig.engine.retryQuestion();
            } else if (step == u"H") {
                rig.engine.giveHint();
            } else {
                rig.engine.nextQuestion();
            }
        }
        if (!row.asked.isEmpty())
            QCOMPARE(asked.join(u' '), row.asked);
        rig.engine.finish();
        QStringList missed;
        for (const WordPair &pair : rig.practice.lastMissed)
            missed << pair.swedish;
        QCOMPARE(missed.join(u' '), row.missed);
    }

    // Each hint gives one more leading character, as a reader counts them, up to a limit that grows with the
    // word; the next one reveals the answer.
    void hints()
    {
        const QString family = u"👩\u200D👩\u200D👧"_s;
        QStringList limits;
        for (int length = -1; length <= 16; ++length) { // -1: a joined emoji and two letters
            Rig rig(0, {{u"ord"_s, length < 0 ? family + u"ab"_s : u"abcdefghijklmnop"_s.left(length)}});
            const QString word = rig.list.pair(1).english;
            rig.engine.start();
            int hints = 0;
            for (PracticeEngine::HintResult hint = rig.engine.giveHint(); !hint.revealed;
                 hint = rig.engine.giveHint())
                QCOMPARE(hint.answerText,
                         word.left(++hints + (word.startsWith(family) ? family.size() - 1 : 0)));
            QCOMPARE(logLine(rig.engine.giveHint().reveal), u"Rätt svar är: | "_s + word + u" [FUSK]"_s);
            limits << QString::number(hints);
        }
        QCOMPARE(limits.join(u' '), u"2 0 0 1 2 2 2 3 4 6 6 7 8 9 10 10 11 12"_s);
    }

    // Two practices with the same steps; the counts are totals for the run. (The colours of a right and a
    // wrong answer are in the pictures.)
    void stepsAndTotals()
    {
        Rig rig(0, {{u"dog"_s, u"hund"_s}, {u"cat"_s, u"ka\u0308tt"_s}}); // "ä" pasted as a and a mark
        for (const QString &typed : {u"kätt"_s, u"ka\u0308tt"_s}) {       // typed as one letter, then two
            rig.engine.start();                                           // hints begin again
            QCOMPARE(rig.engine.giveHint().answerText, u"h"_s);
            QCOMPARE(rig.engine.checkAnswer(u"Hund"_s), Outcome::Wrong);
            rig.engine.retryQuestion();
            QCOMPARE(rig.engine.giveHint().answerText, u"hu"_s); // hints go on after a retry
            QCOMPARE(rig.engine.checkAnswer(u"hund"_s), Outcome::Right);
            QVERIFY(rig.engine.giveHint().revealed); // still the word just answered
            rig.engine.nextQuestion();
            QCOMPARE(rig.engine.giveHint().answerText, u"k"_s);
            QCOMPARE(rig.engine.checkAnswer(typed), Outcome::PracticeOver);
        }
        rig.state.questionIndex = 3; // a shorter list since: the first word again
        rig.engine.resume();
        QCOMPARE(rig.engine.display().word, u"dog"_s);
        QCOMPARE(PracticeEngine::summaryText(rig.practice).split(u"\r\n"_s).mid(0, 4).join(u'|'),
                 u"Du tränade 4 glosor|Du hade 2 fel|"
                 u"Använde gloshjälpen 8 gång(er)|Du använde fuskfunktionen 2 gång(er)"_s);
    }

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
            // "&Lyssna" says the word shown in its language, the English word once the answer is known.
            {"listen",
             start + "cmdLyssna txteng=fel Enter cmdLyssna cmdforsok txteng=Hund Enter cmdLyssna cmdny "
                     "cmdLyssna Command1 Command1 Command1 cmdLyssna",
             "katt cmdKlar txteng=ca @cmdLyssna\nRätt svar är: | cat [FUSK]\nsv:hund sv:hund en:Hund sv:katt "
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
