#include "practice/practiceengine.h"
#include "support/fakes.h"

#include <QRegularExpression>
#include <QSet>
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

    explicit Rig(int count, const QList<WordPair> &pairs = {}, RandomSource *chance = nullptr)
        : engine(state, practice, grid, chance ? *chance : random)
    {
        state.applyStartDefaults();
        for (int n = 1; n <= count; ++n)
            grid.append(u"sv%1"_s.arg(n), u"en%1"_s.arg(n));
        for (const WordPair &pair : pairs)
            grid.append(pair.swedish, pair.english);
        state.wordCount = quint8(grid.count());
    }
    // The prompt, the word, its background and the step button on show.
    QString shown() const
    {
        const PracticeEngine::Display &d = engine.display();
        const QString steps[] = {u"Klar"_s, u"Försök igen"_s, u"Nästa"_s};
        return u"%1|%2|%3|%4"_s.arg(d.prompt, d.word, QString::number(d.wordBack, 16), steps[int(d.phase)]);
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
    void answerMustMatchExactly()
    {
        Rig rig(0, {{u"sv1"_s, u"Hund"_s}, {u"sv2"_s, u"en2"_s}});
        rig.engine.start();
        for (const char *wrong : {"hund", "HUND", " Hund", "Hund ", ""}) {
            QCOMPARE(rig.engine.checkAnswer(QString::fromUtf8(wrong)), Outcome::Wrong);
            QCOMPARE(rig.shown(), u"|Fel försök igen|ff|Försök igen"_s);
        }
        QCOMPARE(rig.engine.checkAnswer(u"Hund"_s), Outcome::Right);
        QCOMPARE(rig.shown(), u"|Rätt!|ff00|Nästa"_s);
    }

    // The words asked; rows ending in "end" are one pass, the others endless, "random" ones in random order.
    void directionModesAcrossPassEnds_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QString>("expected");
        const QList<int> none;
        QTest::newRow("1 once") << 1 << 3 << none << "sv1 sv2 sv3 end";
        QTest::newRow("2 endless") << 2 << 2 << none << "en1 en2 en1 en2 en1";
        QTest::newRow("3 endless") << 3 << 2 << none << "en1 en2 sv1 sv2 en1 en2";
        QTest::newRow("3 once") << 3 << 2 << none << "en1 en2 end";
        // Mode 4 draws after a right answer and again at "Nästa"; the second draw counts.
        QTest::newRow("4 once") << 4 << 3 << QList<int>{1, 1, 0, 0} << "sv1 en2 sv3 end";
        QTest::newRow("4 endless") << 4 << 2 << QList<int>{0, 1, 1, 0, 1, 0} << "sv1 en2 sv1 sv2";
        QTest::newRow("5 once") << 5 << 3 << none << "sv1 en2 sv3 end";
        QTest::newRow("5 endless") << 5 << 3 << none << "sv1 en2 sv3 en1 sv2 en3 sv1";
        QTest::newRow("6 once") << 6 << 2 << none << "en1 sv1 en2 sv2 end";
        QTest::newRow("6 endless") << 6 << 2 << none << "en1 sv1 en2 sv2 en1 sv1 en2";
        QTest::newRow("empty list, never row 0") << 1 << 0 << none << "  ";
        QTest::newRow("random once") << 1 << 3 << QList<int>{1, 1, 0} << "sv2 sv3 sv1 end";
        QTest::newRow("random 6 once") << 6 << 2 << QList<int>{1} << "en2 sv2 en1 sv1 end";
        QTest::newRow("random 3 endless") << 3 << 2 << none << "en1 en2 sv1 sv2 en1";
        // The word just asked sits out the first draw of the next pass.
        QTest::newRow("random endless") << 1 << 3 << QList<int>{2, 1, 0, 0} << "sv3 sv2 sv1 sv2";
        QTest::newRow("random endless one pair") << 1 << 1 << none << "sv1 sv1 sv1";
    }
    void directionModesAcrossPassEnds()
    {
        QFETCH(int, mode);
        QFETCH(int, pairs);
        QFETCH(QList<int>, script);
        QFETCH(QString, expected);
        Rig rig(pairs);
        rig.state.directionMode = quint8(mode);
        rig.state.currentDirection = (mode == 2 || mode == 3) ? 1 : 0; // as the options window sets it
        rig.state.practiceOrder = QByteArray(QTest::currentDataTag()).startsWith("random") ? 1 : 0;
        rig.state.endlessPractice = expected.endsWith(u"end") ? Bool16False : Bool16True;
        for (int value : script)
            rig.random.push({value});
        rig.engine.start();
        QCOMPARE(practise(rig, int(expected.count(u' ')) + 1).join(u' '), expected);
    }

    void randomPassesAskEachWordOnceAndNotTheLastOneFirst()
    {
        SystemRandom random(20261206);
        Rig rig(5, {}, &random);
        rig.state.practiceOrder = 1;
        rig.state.endlessPractice = Bool16True;
        rig.engine.start();
        QStringList shown{u"none"_s};
        for (int pass = 0; pass < 40; ++pass) {
            const QString previousLast = shown.last();
            shown = practise(rig, 5);
            QVERIFY2(shown.first() != previousLast, "a pass began with the word just asked");
            QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 5);
        }
    }

    // Each hint gives one more leading letter up to the limit; the next one reveals the answer.
    void hintLimits_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("limit");
        const int limits[] = {0, 0, 1, 2, 2, 2, 3, 4, 6, 6, 7, 8, 9, 10, 10, 11, 12};
        for (int length = 0; length <= 16; ++length)
            QTest::addRow("%d", length) << length << limits[length];
        QTest::newRow("340") << 340 << 255;
        QTest::newRow("342, half to even") << 342 << 256;
        QTest::newRow("1000") << 1000 << 750;
        QTest::newRow("huge") << 2000000000 << 1500000000;
    }
    void hintLimits()
    {
        QFETCH(int, length);
        QFETCH(int, limit);
        QCOMPARE(PracticeEngine::hintLimit(length), limit);
        QVERIFY(limit < length || length == 0);
        if (length > 1000)
            return;
        const QString answer = u"abcdefghijklmnopqrstuvwxyz"_s.repeated(40).left(length);
        Rig rig(0, {{u"ord"_s, answer}});
        rig.engine.start();
        for (int letters = 1; letters <= limit; ++letters)
            QCOMPARE(rig.engine.giveHint().answerText, answer.left(letters));
        const PracticeEngine::HintResult last = rig.engine.giveHint();
        QVERIFY(last.revealed);
        QCOMPARE(last.reveal, okBox(u"Rätt svar är:\r\n"_s + answer, u"FUSK"_s));
        QCOMPARE(rig.practice.hintCount, qint16(limit + 1));
        QCOMPARE(rig.practice.cheatCount, qint16(1));
    }

    // Two practices with the same steps; the counts are totals for the run and stop at 32767.
    void stepsAndTotals_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("summary");
        const QString fromZero = u"Du tränade 4 glosor\r\nDu hade 2 fel\r\nAnvände gloshjälpen 8 gång(er)\r\n"
                                 u"Du använde fuskfunktionen 2 gång(er)\r\n"_s;
        QTest::newRow("from zero") << 0 << fromZero;
        QTest::newRow("at the top") << 32766
                                    << QString(fromZero).replace(QRegularExpression(u"\\d+"_s), u"32767"_s);
    }
    void stepsAndTotals()
    {
        QFETCH(int, before);
        QFETCH(QString, summary);
        Rig rig(0, {{u"dog"_s, u"hund"_s}, {u"cat"_s, u"katt"_s}});
        rig.state.practiceBackColor = 0x00123456;
        PracticeState &p = rig.practice;
        p.correctCount = p.retryCount = p.hintCount = p.cheatCount = qint16(before);
        for (int practice = 0; practice < 2; ++practice) {
            rig.engine.start(); // hints begin again
            QCOMPARE(rig.engine.giveHint().answerText, u"h"_s);
            QCOMPARE(rig.engine.checkAnswer(u"h"_s), Outcome::Wrong);
            rig.engine.retryQuestion();
            QCOMPARE(rig.shown(), u"Översätt:|dog|123456|Klar"_s);
            QCOMPARE(rig.engine.giveHint().answerText, u"hu"_s); // hints go on after a retry
            QCOMPARE(rig.engine.checkAnswer(u"hund"_s), Outcome::Right);
            QVERIFY(rig.engine.giveHint().revealed); // still the word just answered
            rig.engine.nextQuestion();
            QCOMPARE(rig.engine.giveHint().answerText, u"k"_s);
            QCOMPARE(rig.engine.checkAnswer(u"katt"_s), Outcome::PracticeOver);
        }
        QCOMPARE(PracticeEngine::summaryText(rig.practice), summary);
    }
};

QTEST_GUILESS_MAIN(TestPracticeEngine)
#include "tst_practiceengine.moc"
