#include "practice/missed.h"
#include "practice/practiceengine.h"
#include "support/fakes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = PracticeEngine::Outcome;

namespace {

// One practice window's worth of state around an engine. Its first `count` pairs are "svN" / "enN",
// so the word on screen tells both the row and the language.
struct Rig {
    AppState state;
    PracticeState practice;
    WordList grid;
    ScriptedRandom random;
    PracticeEngine engine;

    explicit Rig(int count, const QList<WordPair> &pairs = {})
        : engine(state, practice, grid, random)
    {
        state.applyStartDefaults();
        for (int n = 1; n <= count; ++n)
            grid.append(u"sv%1"_s.arg(n), u"en%1"_s.arg(n));
        for (const WordPair &pair : pairs)
            grid.append(pair.swedish, pair.english);
    }
};

// Answers right (worked out from the word shown) with "Nästa" in between; "end" ends a single pass.
QStringList practise(Rig &rig, int answers)
{
    QStringList shown;
    for (int i = 0; i < answers; ++i) {
        const QString word = rig.engine.display().word;
        shown << word;
        const QString answer = (word.startsWith(u"sv") ? u"en"_s : u"sv"_s) + word.mid(2);
        if (rig.engine.checkAnswer(answer) == Outcome::PracticeOver)
            return shown << u"end"_s;
        rig.engine.nextQuestion();
    }
    return shown;
}

} // namespace

class TestPracticeEngine : public QObject {
    Q_OBJECT

private slots:
    // The words asked; rows ending in "end" are one pass, the others endless, "random" ones in random order.
    void directionModesAcrossPassEnds_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QString>("expected");
        const QList<int> none;
        QTest::newRow("1 once") << 1 << none << "sv1 sv2 sv3 end";
        QTest::newRow("3 endless") << 3 << none << "en1 en2 en3 sv1 sv2 sv3 en1";
        // Mode 4 draws after a right answer and again at "Nästa"; the second draw counts.
        QTest::newRow("4 endless") << 4 << QList<int>{0, 1, 1, 0, 1, 0} << "sv1 en2 sv3 sv1";
        QTest::newRow("5 endless") << 5 << none << "sv1 en2 sv3 en1 sv2 en3 sv1";
        QTest::newRow("6 once") << 6 << none << "en1 sv1 en2 sv2 en3 sv3 end";
        QTest::newRow("random once") << 1 << QList<int>{1, 1, 0} << "sv2 sv3 sv1 end";
        // The word just asked sits out the first draw of the next pass, then goes back into it.
        QTest::newRow("random endless") << 1 << QList<int>{0, 0, 0, 2, 0, 1} << "sv1 sv2 sv3 sv1 sv2 sv3";
        QTest::newRow("random endless, first last")
            << 1 << QList<int>{2, 1, 0, 0, 0, 0} << "sv3 sv2 sv1 sv2 sv3 sv1";
    }
    void directionModesAcrossPassEnds()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, script);
        QFETCH(QString, expected);
        Rig rig(3);
        rig.state.directionMode = DirectionMode(mode);
        // As the options window sets it.
        rig.state.currentDirection = (mode == 2 || mode == 3) ? Direction::English : Direction::Swedish;
        rig.state.practiceOrder = QByteArray(QTest::currentDataTag()).startsWith("random")
                                      ? PracticeOrder::Random
                                      : PracticeOrder::List;
        rig.state.endlessPractice = !expected.endsWith(u"end");
        for (int value : script)
            rig.random.push({value});
        rig.engine.start();
        QCOMPARE(practise(rig, int(expected.count(u' ')) + 1).join(u' '), expected);
    }

    // Each hint gives one more leading character, as a reader counts them, up to the limit; the next one
    // reveals the answer.
    void hints_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("hints");
        const QString letters = u"abcdefghijklmnopqrstuvwxyz"_s.repeated(14);
        const auto lettered = [&](int length, int limit) {
            QStringList hints;
            for (int n = 1; n <= limit; ++n)
                hints << letters.left(n);
            QTest::addRow("%d letters", length) << letters.left(length) << hints;
        };
        const int limits[] = {0, 0, 1, 2, 2, 2, 3, 4, 6, 6, 7, 8, 9, 10, 10, 11, 12};
        for (int length = 0; length <= 16; ++length)
            lettered(length, limits[length]);
        QTest::newRow("joined emoji")
            << u"👩\u200D👩\u200D👧ab"_s << QStringList{u"👩\u200D👩\u200D👧"_s, u"👩\u200D👩\u200D👧a"_s};
    }
    void hints()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, hints);
        Rig rig(0, {{u"ord"_s, answer}});
        rig.engine.start();
        for (const QString &hint : hints)
            QCOMPARE(rig.engine.giveHint().answerText, hint);
        const PracticeEngine::HintResult last = rig.engine.giveHint();
        QVERIFY(last.revealed);
        QCOMPARE(last.reveal, okBox(u"Rätt svar är:\r\n"_s + answer, u"FUSK"_s));
    }

    // Two practices with the same steps; the counts are totals for the run.
    void stepsAndTotals()
    {
        Rig rig(0, {{u"dog"_s, u"hund"_s}, {u"cat"_s, u"ka\u0308tt"_s}}); // "ä" pasted as a and a mark
        for (int practice = 0; practice < 2; ++practice) {
            rig.engine.start(); // hints begin again
            QCOMPARE(rig.engine.giveHint().answerText, u"h"_s);
            QCOMPARE(rig.engine.checkAnswer(u"Hund"_s), Outcome::Wrong); // answers match exactly
            QCOMPARE(rig.engine.display().wordBack, ColorValue(0xff));   // red
            rig.engine.retryQuestion();
            QCOMPARE(rig.engine.giveHint().answerText, u"hu"_s); // hints go on after a retry
            QCOMPARE(rig.engine.checkAnswer(u"hund"_s), Outcome::Right);
            QCOMPARE(rig.engine.display().wordBack, ColorValue(0xff00)); // green
            QVERIFY(rig.engine.giveHint().revealed);                     // still the word just answered
            rig.engine.nextQuestion();
            QCOMPARE(rig.engine.giveHint().answerText, u"k"_s);
            // Typed as one letter, then as letter and mark.
            QCOMPARE(rig.engine.checkAnswer(practice == 0 ? u"kätt"_s : u"ka\u0308tt"_s), Outcome::PracticeOver);
        }
        rig.state.questionIndex = 3; // a shorter list since: the first word again
        rig.engine.resume();
        QCOMPARE(rig.engine.display().word, u"dog"_s);
        QCOMPARE(PracticeEngine::summaryText(rig.practice),
                 u"Du tränade 4 glosor\r\nDu hade 2 fel\r\nAnvände gloshjälpen 8 gång(er)\r\n"
                 u"Du använde fuskfunktionen 2 gång(er)\r\n"_s);
    }

    // Steps: R a right answer, W a wrong one and "Försök igen", H a hint, N "Nästa".
    void missedPairs_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("endless");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("missed"); // the Swedish words
        QTest::newRow("right at once") << 1 << false << "R N R N R" << "";
        QTest::newRow("wrong, then right") << 1 << false << "W R N R N R" << "sv1";
        QTest::newRow("hinted") << 2 << false << "R N H R N R" << "sv2";
        QTest::newRow("wrong, and revealed") << 1 << false << "R N W R N H H R" << "sv2 sv3";
        QTest::newRow("a hint after Rätt! misses nothing") << 1 << false << "R H N R N R" << "";
        QTest::newRow("Repetera: missed in both halves, once") << 6 << false << "W R N W R N R N R N R N R" << "sv1";
        QTest::newRow("endless, second pass") << 1 << true << "R N R N R N W R N R" << "sv1";
    }
    void missedPairs()
    {
        QFETCH(int, mode);
        QFETCH(bool, endless);
        QFETCH(QString, steps);
        QFETCH(QString, missed);
        Rig rig(3);
        rig.state.directionMode = DirectionMode(mode);
        rig.state.currentDirection = mode == 2 ? Direction::English : Direction::Swedish;
        rig.state.endlessPractice = endless;
        rig.practice.missed = {{"old", "miss"}}; // of an earlier practice
        rig.engine.start();
        for (const QString &step : steps.split(u' ')) {
            const QString word = rig.engine.display().word;
            if (step == u"R")
                rig.engine.checkAnswer((word.startsWith(u"sv") ? u"en"_s : u"sv"_s) + word.mid(2));
            else if (step == u"W")
                rig.engine.checkAnswer(u"fel"_s), rig.engine.retryQuestion();
            else if (step == u"H")
                rig.engine.giveHint();
            else
                rig.engine.nextQuestion();
        }
        rig.engine.finish();
        QStringList words;
        for (const WordPair &pair : rig.practice.lastMissed)
            words << pair.swedish;
        QCOMPARE(words.join(u' '), missed);
    }

    // Missed pairs still in the list, in its order and once each, matched by both words.
    void missedStillListed()
    {
        WordList list;
        list.append(QList<WordPair>{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"a", "1"}});
        const QList<WordPair> missed{{"c", "3"}, {"b", "changed"}, {"gone", "x"}, {"a", "1"}};
        QCOMPARE(render(missedInList(list, missed)), u"a=1|c=3"_s);
    }
};

QTEST_GUILESS_MAIN(TestPracticeEngine)
#include "tst_practiceengine.moc"
