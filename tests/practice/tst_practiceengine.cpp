#include "practice/practiceengine.h"
#include "support/fakes.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using Outcome = PracticeEngine::Outcome;
using Phase = PracticeEngine::Phase;

namespace {

// One practice window's worth of state around an engine. Generated pair n is
// "svN" / "enN", so the word on screen tells both the row and the language.
struct Rig {
    AppState state;
    PracticeState practice;
    WordList grid;
    ScriptedRandom random;
    PracticeEngine engine;

    explicit Rig(int pairs = 3, RandomSource *chance = nullptr)
        : engine(state, practice, grid, chance ? *chance : random)
    {
        state.applyStartDefaults();
        for (int n = 1; n <= pairs; ++n)
            add(u"sv%1"_s.arg(n), u"en%1"_s.arg(n));
    }
    explicit Rig(std::initializer_list<WordPair> pairs)
        : Rig(0)
    {
        for (const WordPair &pair : pairs)
            add(pair.swedish, pair.english);
    }
    void add(const QString &swedish, const QString &english)
    {
        grid.append(swedish, english);
        state.wordCount = quint8(grid.count());
    }
    QString word() const { return engine.display().word; }
};

// The other side of a generated pair, worked out from the word on screen
// rather than asked of the engine, so a shown row must be the compared row.
QString counterpart(const QString &shown)
{
    return (shown.startsWith(u"sv") ? u"en"_s : u"sv"_s) + shown.mid(2);
}

// Answers right `answers` times, pressing "Nästa" in between; returns the
// words shown, followed by "end" when a single pass ended.
QStringList practise(Rig &rig, int answers)
{
    QStringList shown;
    for (int i = 0; i < answers; ++i) {
        shown << rig.word();
        if (rig.engine.checkAnswer(counterpart(rig.word())) == Outcome::PracticeOver) {
            shown << u"end"_s;
            break;
        }
        rig.engine.nextQuestion();
    }
    return shown;
}

QList<int> sortedRows(const QStringList &shown)
{
    QList<int> rows;
    for (const QString &word : shown)
        rows << word.mid(2).toInt();
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

class TestPracticeEngine : public QObject {
    Q_OBJECT

private slots:
    void answerMustMatchExactly_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::newRow("same") << u"Hund"_s << true;
        QTest::newRow("lower case") << u"hund"_s << false;
        QTest::newRow("upper case") << u"HUND"_s << false;
        QTest::newRow("blank before") << u" Hund"_s << false;
        QTest::newRow("blank after") << u"Hund "_s << false;
        QTest::newRow("empty") << QString() << false;
    }
    void answerMustMatchExactly()
    {
        QFETCH(QString, answer);
        QFETCH(bool, right);
        Rig rig{{u"sv1"_s, u"Hund"_s}, {u"sv2"_s, u"en2"_s}};
        rig.engine.start();
        QCOMPARE(rig.engine.checkAnswer(answer), right ? Outcome::Right : Outcome::Wrong);
        const PracticeEngine::Display &shown = rig.engine.display();
        QCOMPARE(shown.prompt, QString());
        QCOMPARE(shown.word, right ? u"Rätt!"_s : u"Fel försök igen"_s);
        QCOMPARE(shown.wordBack, right ? ColorValue(0x0000FF00) : ColorValue(0x000000FF));
        QCOMPARE(shown.phase, right ? Phase::AnsweredRight : Phase::AnsweredWrong);
        QCOMPARE(rig.practice.correctCount, qint16(right ? 1 : 0));
        QCOMPARE(rig.practice.retryCount, qint16(0)); // only "Försök igen" counts a retry
    }

    void retryAndResumeAskTheSameRowAgain()
    {
        Rig rig;
        rig.state.directionMode = 5;
        rig.state.practiceBackColor = 0x00123456;
        rig.engine.start();
        QCOMPARE(rig.engine.checkAnswer(u"fel"_s), Outcome::Wrong);
        rig.engine.retryQuestion();
        const PracticeEngine::Display &shown = rig.engine.display();
        QCOMPARE(shown.prompt, u"Översätt:"_s);
        QCOMPARE(shown.word, u"sv1"_s);
        QCOMPARE(shown.wordBack, ColorValue(0x00123456));
        QCOMPARE(shown.phase, Phase::Asking);
        QCOMPARE(rig.practice.retryCount, qint16(1));
        QCOMPARE(rig.engine.giveHint().answerText, u"e"_s);

        // Back from the options window with another direction: the same row, asked anew.
        rig.engine.checkAnswer(u"fel"_s);
        rig.state.currentDirection = 1;
        rig.engine.resume();
        QCOMPARE(rig.word(), u"en1"_s);
        QCOMPARE(rig.engine.display().phase, Phase::Asking);
        QCOMPARE(rig.practice.retryCount, qint16(1));
        QCOMPARE(rig.practice.hintLetters, 1);
        QCOMPARE(rig.engine.checkAnswer(u"sv1"_s), Outcome::Right);
    }

    void directionModesAcrossPassEnds_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("endless");
        QTest::addColumn<QList<int>>("script");
        QTest::addColumn<QString>("expected");
        const QList<int> none;
        QTest::newRow("1 once") << 1 << 0 << 3 << false << none << "sv1 sv2 sv3 end";
        QTest::newRow("2 endless") << 2 << 0 << 2 << true << none << "en1 en2 en1 en2 en1";
        QTest::newRow("3 endless") << 3 << 0 << 2 << true << none << "en1 en2 sv1 sv2 en1 en2";
        QTest::newRow("3 once") << 3 << 0 << 2 << false << none << "en1 en2 end";
        // Mode 4 draws after a right answer and again at "Nästa"; the second draw counts.
        QTest::newRow("4 once") << 4 << 0 << 3 << false << QList<int>{1, 1, 0, 0} << "sv1 en2 sv3 end";
        QTest::newRow("4 endless") << 4 << 0 << 2 << true << QList<int>{0, 1, 1, 0, 1, 0}
                                   << "sv1 en2 sv1 sv2";
        QTest::newRow("5 once") << 5 << 0 << 3 << false << none << "sv1 en2 sv3 end";
        QTest::newRow("5 endless") << 5 << 0 << 3 << true << none << "sv1 en2 sv3 en1 sv2 en3 sv1";
        QTest::newRow("6 once") << 6 << 0 << 2 << false << none << "en1 sv1 en2 sv2 end";
        QTest::newRow("6 endless") << 6 << 0 << 2 << true << none << "en1 sv1 en2 sv2 en1 sv1 en2";
        QTest::newRow("6 endless one pair") << 6 << 0 << 1 << true << none << "en1 sv1 en1 sv1";
        QTest::newRow("random once") << 1 << 1 << 3 << false << QList<int>{1, 1, 0} << "sv2 sv3 sv1 end";
        QTest::newRow("random 6 once") << 6 << 1 << 2 << false << QList<int>{1} << "en2 sv2 en1 sv1 end";
        QTest::newRow("random 3 endless")
            << 3 << 1 << 2 << true << QList<int>{0, 0, 0, 0} << "en1 en2 sv1 sv2 en1";
        QTest::newRow("random endless one pair") << 1 << 1 << 1 << true << none << "sv1 sv1 sv1";
    }
    void directionModesAcrossPassEnds()
    {
        QFETCH(int, mode);
        QFETCH(int, order);
        QFETCH(int, pairs);
        QFETCH(bool, endless);
        QFETCH(QList<int>, script);
        QFETCH(QString, expected);
        Rig rig(pairs);
        rig.state.directionMode = quint8(mode);
        rig.state.currentDirection = (mode == 2 || mode == 3) ? 1 : 0; // as the options window sets it
        rig.state.practiceOrder = quint8(order);
        rig.state.endlessPractice = endless ? VbTrue : VbFalse;
        for (int value : script)
            rig.random.push({value});
        rig.engine.start();
        QCOMPARE(practise(rig, int(expected.count(u' ')) + 1).join(u' '), expected);
    }

    void randomPassAsksEachWordOnce_data()
    {
        QTest::addColumn<QList<int>>("script");
        QTest::newRow("no script") << QList<int>();
        QTest::newRow("first each time") << QList<int>{0, 0, 0, 0};
        QTest::newRow("last each time") << QList<int>{3, 2, 1, 0};
        QTest::newRow("second each time") << QList<int>{1, 1, 1, 1};
        QTest::newRow("large values") << QList<int>{7, 100, 5, 2};
    }
    void randomPassAsksEachWordOnce()
    {
        QFETCH(QList<int>, script);
        Rig rig(4);
        rig.state.practiceOrder = 1;
        for (int value : script)
            rig.random.push({value});
        rig.engine.start();
        QStringList shown = practise(rig, 10);
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown.takeLast(), u"end"_s);
        QCOMPARE(sortedRows(shown), (QList<int>{1, 2, 3, 4}));
    }

    void endlessRandomPassesArePermutations()
    {
        SystemRandom random;
        Rig rig(5, &random);
        rig.state.practiceOrder = 1;
        rig.state.endlessPractice = VbTrue;
        rig.engine.start();
        QString previousLast;
        for (int pass = 0; pass < 40; ++pass) {
            const QStringList shown = practise(rig, 5);
            QVERIFY2(shown.first() != previousLast, "a pass began with the word just asked");
            previousLast = shown.last();
            QCOMPARE(sortedRows(shown), (QList<int>{1, 2, 3, 4, 5}));
        }
    }

    void switchingToRandomMidPracticeBeginsNewPass()
    {
        Rig rig;
        rig.engine.start();
        rig.engine.checkAnswer(u"en1"_s);
        rig.engine.nextQuestion();
        rig.state.practiceOrder = 1; // chosen in the options window
        rig.engine.resume();
        QCOMPARE(rig.engine.checkAnswer(u"en2"_s), Outcome::Right);
        rig.engine.nextQuestion();
        QStringList shown = practise(rig, 10);
        QCOMPARE(shown.takeLast(), u"end"_s);
        QVERIFY(shown.first() != u"sv2"_s);
        QCOMPARE(sortedRows(shown), (QList<int>{1, 2, 3}));
    }

    void emptyListShowsEmptyWord()
    {
        for (quint8 order : {quint8(0), quint8(1)}) {
            Rig rig(0);
            rig.state.practiceOrder = order;
            rig.engine.start();
            QCOMPARE(rig.word(), QString());
            QVERIFY(rig.engine.giveHint().revealed);
            rig.engine.nextQuestion();
            QCOMPARE(rig.word(), QString());
        }
    }

    void hintLimitTable_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("limit");
        const int table[] = {0, 1, 2, 2, 2, 3, 4, 6, 6, 7, 8, 9, 10, 10, 11, 12};
        for (int length = 1; length <= 16; ++length)
            QTest::addRow("%d", length) << length << table[length - 1];
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("340") << 340 << 255;
        QTest::newRow("342, half to even") << 342 << 256;
        QTest::newRow("400") << 400 << 300;
        QTest::newRow("1000") << 1000 << 750;
        QTest::newRow("huge") << 2000000000 << 1500000000;
    }
    void hintLimitTable()
    {
        QFETCH(int, length);
        QFETCH(int, limit);
        QCOMPARE(PracticeEngine::hintLimit(length), limit);
    }

    void hintLimitStaysBelowLengthAndGrows()
    {
        int previous = 0;
        for (int length = 1; length <= 5000; ++length) {
            const int limit = PracticeEngine::hintLimit(length);
            QVERIFY2(limit < length && limit >= previous, qPrintable(QString::number(length)));
            previous = limit;
        }
    }

    void longAnswerCanBeHintedPast255Letters()
    {
        Rig rig{{u"lång"_s, QString(400, u'a') + QString(600, u'b')}};
        rig.engine.start();
        for (int letters = 1; letters <= 750; ++letters)
            QCOMPARE(rig.engine.giveHint().answerText.size(), letters);
        QVERIFY(rig.engine.giveHint().revealed);
        QCOMPARE(rig.practice.hintCount, qint16(751));
    }

    void hintRevealsAfterLimit_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("hints");
        QTest::newRow("hund") << u"hund"_s << QStringList{"h", "hu"};
        QTest::newRow("one letter") << u"a"_s << QStringList();
    }
    void hintRevealsAfterLimit()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, hints);
        Rig rig{{u"dog"_s, answer}};
        rig.engine.start();
        for (const QString &hint : hints)
            QCOMPARE(rig.engine.giveHint().answerText, hint);
        const PracticeEngine::HintResult last = rig.engine.giveHint();
        QVERIFY(last.revealed);
        QCOMPARE(last.answerText, QString());
        QCOMPARE(last.reveal, okBox(u"Rätt svar är:\r\n"_s + answer, u"FUSK"_s));
        QCOMPARE(rig.practice.hintCount, qint16(hints.size() + 1));
        QCOMPARE(rig.practice.cheatCount, qint16(1));
        QCOMPARE(rig.practice.hintLetters, int(hints.size()));
        QCOMPARE(rig.word(), u"dog"_s);
        QCOMPARE(rig.engine.display().phase, Phase::Asking);
    }

    void hintsGoOnAfterRetryAndRestartAfterNextAndStart()
    {
        Rig rig{{u"dog"_s, u"hund"_s}, {u"cat"_s, u"katt"_s}};
        rig.engine.start();
        QCOMPARE(rig.engine.giveHint().answerText, u"h"_s);
        rig.engine.checkAnswer(u"h"_s);
        rig.engine.retryQuestion();
        QCOMPARE(rig.engine.giveHint().answerText, u"hu"_s);
        rig.engine.checkAnswer(u"hund"_s);
        QVERIFY(rig.engine.giveHint().revealed); // still hinting the word just answered
        rig.engine.nextQuestion();
        QCOMPARE(rig.engine.giveHint().answerText, u"k"_s);
        rig.engine.start();
        QCOMPARE(rig.engine.giveHint().answerText, u"h"_s);
    }

    void summaryListsCountsWithLineBreaks()
    {
        Rig rig{{u"dog"_s, u"hund"_s}, {u"cat"_s, u"katt"_s}};
        rig.engine.start();
        for (int i = 0; i < 3; ++i)
            rig.engine.giveHint();
        rig.engine.checkAnswer(u"hun"_s);
        rig.engine.retryQuestion();
        rig.engine.checkAnswer(u"hund"_s);
        rig.engine.nextQuestion();
        QCOMPARE(rig.engine.checkAnswer(u"katt"_s), Outcome::PracticeOver);
        QCOMPARE(PracticeEngine::summaryText(rig.practice),
                 QStringLiteral("Du tränade 2 glosor\r\nDu hade 1 fel\r\nAnvände gloshjälpen 3 gång(er)\r\n"
                                "Du använde fuskfunktionen 1 gång(er)\r\n"));
        QCOMPARE(PracticeEngine::allUsedMessage(), okBox(u"Alla glosor är användna"_s));
    }

    void countsAreTotalsAcrossPractices()
    {
        Rig rig;
        rig.state.directionMode = 5;
        rig.engine.start();
        QCOMPARE(practise(rig, 5).join(u' '), u"sv1 en2 sv3 end"_s);
        rig.engine.start(); // goes on in the direction the last practice left
        QCOMPARE(practise(rig, 5).join(u' '), u"en1 sv2 en3 end"_s);
        QVERIFY(PracticeEngine::summaryText(rig.practice).startsWith(u"Du tränade 6 glosor\r\n"_s));
    }

    void countsStopAt32767()
    {
        Rig rig;
        rig.state.endlessPractice = VbTrue;
        rig.practice.correctCount = rig.practice.retryCount = 32766;
        rig.practice.hintCount = rig.practice.cheatCount = 32766;
        rig.engine.start();
        for (int i = 0; i < 2; ++i) {
            rig.engine.checkAnswer(QString());
            rig.engine.retryQuestion();
            rig.engine.revealAnswer();
            rig.engine.giveHint();
            practise(rig, 1);
        }
        QCOMPARE(PracticeEngine::summaryText(rig.practice),
                 QStringLiteral("Du tränade 32767 glosor\r\nDu hade 32767 fel\r\nAnvände gloshjälpen 32767 "
                                "gång(er)\r\nDu använde fuskfunktionen 32767 gång(er)\r\n"));
    }
};

QTEST_MAIN(TestPracticeEngine)
#include "tst_practiceengine.moc"
