// What the store keeps between runs. Nothing typed is lost: a copy of unsaved pairs, offered at the next
// start. The kill tests run this program again as a child ("--child MODE STORE") that types pairs and goes on
// with something else until it is killed; the next run, on the same store, must offer exactly those pairs.
// And progress across days: every answer remembered, the words due today practised.
#include "platform/endsignals.h"
#include "platform/sqlite.h"
#include "support/testprogram.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>

namespace {
const QString Typed = u"hus=house|bil=car|öga=eye"_s; // short enough for a word file of three pairs
const QString Offer =
    u"Det finns 3 glosor som inte sparades förra gången programmet användes. Vill du få tillbaka "
    u"dem? [Återställ glosor] (Ja/Nej)"_s;

// Starts a run on the store: the start window, Enter, and the main window asks what it finds.
void startOn(TestProgram &t)
{
    t.program.start();
    t.run(u"Enter"_s);
    QCoreApplication::processEvents(); // the question comes once the window is on screen
}

QStringList listedAfterStart(TestProgram &t, const QString &answer)
{
    t.dialogs.answerYesNo(answer == u"Ja" ? Answer::Yes : Answer::No);
    startOn(t);
    return t.listed();
}

struct Moment {
    const char *name;
    QString mode;
};

// The child: types the pairs, lets the copy be written, says so, then goes on until it is killed.
// A child that practises: answers count of the pairs sN=eN, right, and says "answered" after each; endless
// when count is 0. With a full disk, after the first answer no file may grow; it says how many messages came.
int practising(const QString &store, int count, bool fullDisk)
{
    TestProgram t(store);
    t.run(u"glosor=s1=e1|s2=e2|s3=e3|s4=e4|s5=e5"_s);
    QString messages;
    for (int answered = 0; count == 0 || answered < count;) {
        if (fullDisk && answered == 1) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit none{1, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &none);
        }
        if (!t.program.frmOva.loaded())
            t.run(u"cmdOva"_s);
        const QString word = t.screen(u"frsv"_s).section(u' ', 0, 0);
        t.run(u"txteng=e"_s + word.mid(1) + u" Enter Enter"_s);
        std::printf("answered %d\n", ++answered);
        std::fflush(stdout);
        messages += t.log();
    }
    std::printf("messages %d\n", int(messages.count(u"Svaren kan inte sparas i programmets minne"_s)));
    return 0;
}

int child(const QString &mode, const QString &store)
{
    if (mode.startsWith(u"practise"))
        return practising(store, mode.section(u' ', 1, 1).toInt(), mode.endsWith(u"full"));
    TestProgram t(store);
    t.main();
    t.addPairs(pairsOf(Typed));
    EndSignals ending;
    QObject::connect(&ending, &EndSignals::ended, [&t] {
        t.program.keepUnsaved();
        ::_exit(0);
    });
    if (mode == u"exit") { // nothing waited for: the exit writes the copy
        t.run(u"mnuAvlsuta"_s);
        return t.quits == 1 ? 0 : 1;
    }
    if (mode != u"term")
        QTest::qWait(1300);
    std::puts("ready");
    std::fflush(stdout);
    const QString file = t.dataHome.filePath(u"tomt.txt"_s);
    writeBytes(file, "bara\nen\nsida\n");
    for (;;) {
        if (mode == u"typing")
            t.run(u"txtsv=halvskrivet txteng=half"_s);
        else if (mode == u"import")
            t.run(u"användare=1 mnuAltImport fil=tomt.txt"_s);
        else if (mode == u"save")
            t.run(u"användare=1 mnuAltExport fil=export.csv"_s);
        else if (mode == u"practice")
            t.run(u"cmdOva txteng=house Enter Enter cmdmeny"_s);
        t.log();
        QCoreApplication::processEvents();
    }
}
} // namespace

class TestStore : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> t;

private slots:
    void init() { t = std::make_unique<TestProgram>(); }

    // Killed at a moment after the pairs were typed and a second passed, or ended by the exit menu or
    // SIGTERM: the next start offers exactly the pairs, in order; "Ja" gives them back.
    void killedOrEnded_data()
    {
        addRows<Moment>({{"killed while typing", "typing"},
                         {"killed during an import", "import"},
                         {"killed during a save", "save"},
                         {"killed during practice", "practice"},
                         {"the exit menu", "exit"},
                         {"SIGTERM", "term"}});
    }
    void killedOrEnded()
    {
        QFETCH(Moment, row);
        const bool ended = row.mode == u"exit" || row.mode == u"term";
        // Under the sanitizers a child starts slowly: one round there.
        const int rounds = ended || qEnvironmentVariableIsSet("ASAN_OPTIONS") ? 1 : 2;
        for (int round = 0; round < rounds; ++round) {
            const QTemporaryDir home;
            const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
            QProcess run;
            run.start(QCoreApplication::applicationFilePath(), {u"--child"_s, row.mode, store});
            QVERIFY(run.waitForStarted());
            if (row.mode != u"exit") {
                QVERIFY(run.waitForReadyRead(20000));
                QTest::qWait(QRandomGenerator::global()->bounded(400)); // a moment of its own each round
                ::kill(pid_t(run.processId()), row.mode == u"term" ? SIGTERM : SIGKILL);
            }
            QVERIFY(run.waitForFinished(20000));
            QCOMPARE(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, ended);
            TestProgram next(store);
            listedAfterStart(next, u"Ja"_s);
            QVERIFY2(next.log().split(u'\n').contains(Offer), qPrintable(row.mode));
            QCOMPARE(render(next.session.list().pairs()), Typed);
            QVERIFY(next.session.hasUnsavedPairs()); // still unsaved, and this run's copy now
        }
    }

    // Nothing is offered after a save, "Rensa" or "Nej", nor what a copy of the program still running keeps.
    void nothingOffered()
    {
        for (const Scenario &row : QList<Scenario>{{"saved", "användare=1 mnuAltOpenSave fil=lista.gls", ""},
                                                   {"cleared", "mnuAltrensa Ja", ""},
                                                   {"answered Nej", "", "Nej"},
                                                   {"still running", "", "running"}}) {
            NAME_ROW_ON_FAILURE(row);
            const QTemporaryDir home;
            const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
            auto first = std::make_unique<TestProgram>(store);
            first->addPairs(pairsOf(Typed));
            first->program.keepUnsaved();
            first->run(row.given);
            first->program.keepUnsaved();
            first->log();
            if (row.shown != u"running")
                first.reset();
            if (row.shown == u"Nej") {
                TestProgram second(store);
                QCOMPARE(listedAfterStart(second, u"Nej"_s), QStringList());
                QVERIFY(second.log().split(u'\n').contains(Offer));
            }
            QTest::qWait(2); // another run's start time
            TestProgram last(store);
            startOn(last);
            QVERIFY2(!last.log().contains(u"Det finns"_s), qPrintable(row.name));
            QCOMPARE(last.session.wordCount(), 0);
        }
    }

    // Practise today, come back on later days with the same store: "Öva på dagens glosor" counts the pairs
    // due and practises them. A pair is its two words as the list keeps them: a letter typed as base and mark
    // is the same pair, other case or blanks another; an edit takes the history along, an import finds it.
    void progressAcrossDays()
    {
        const QTemporaryDir home;
        const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
        const auto today = [](TestProgram &run) {
            return run.main().findChild<QAction *>(u"mnuAltDagens"_s)->text() +
                   (run.main().findChild<QAction *>(u"mnuAltDagens"_s)->isEnabled() ? QString() : u" -"_s);
        };
        {
            TestProgram day1(store);
            day1.addPairs({{u"hus"_s, u"house"_s}, {u"bil"_s, u"car"_s}, {u"o\u0308ga"_s, u"eye"_s}});
            QCOMPARE(today(day1), u"Öva på &dagens glosor (3)"_s);
            // hus hinted first (the user types on after the letter given), bil wrong first, öga right at
            // once.
            day1.run(u"cmdOva Command1 txteng=ouse Enter Enter txteng=fel Enter Enter txteng=car Enter Enter "
                     u"txteng=eye Enter"_s);
            day1.log();
            QCOMPARE(today(day1), u"Öva på &dagens glosor (0) -"_s);
        }
        TestProgram day2(store);
        day2.clock.date = day2.clock.date.addDays(1);
        day2.run(u"glosor=hus=house|bil=car|öga=eye|Hus=house|bil =car"_s);
        QCOMPARE(today(day2), u"Öva på &dagens glosor (4)"_s); // hus, bil and the two new pairs; not öga
        day2.run(u"mnuAltDagens"_s);
        QCOMPARE(day2.screen(u"frsv"_s), u"hus @txteng"_s);
        day2.run(u"cmdmeny mnuAltBort txtnr=2 cmdAndra txtsv=bilen txteng=car cmdlaggtill Command2"_s);
        day2.log();
        QCOMPARE(today(day2), u"Öva på &dagens glosor (4)"_s); // bilen has bil's card, still due

        TestProgram day3(store);
        day3.clock.date = day3.clock.date.addDays(1);
        QVERIFY(writeBytes(day3.dataHome.filePath(u"lista.txt"_s), "\xC3\xB6ga\teye\nbilen\tcar\n"));
        day3.main();
        day3.run(u"användare=1 mnuAltImport fil=lista.txt"_s);
        day3.log();
        QCOMPARE(today(day3), u"Öva på &dagens glosor (1)"_s); // öga known, bilen due
    }

    // Killed at spread moments while it practises, the store always opens whole afterwards and holds every
    // answer the program had finished recording (ORDKVARNEN_KILLS sets how many moments; 200 for the figure).
    // Two copies practising at once both record every answer.
    void answersSurviveKillsAndCompany()
    {
        const QTemporaryDir home;
        const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
        const int kills = qEnvironmentVariableIsSet("ORDKVARNEN_KILLS")
                              ? qEnvironmentVariableIntValue("ORDKVARNEN_KILLS")
                          : qEnvironmentVariableIsSet("ASAN_OPTIONS") ? 4 // children start slowly there
                                                                      : 12;
        qint64 finished = 0;
        for (int kill = 0; kill < kills; ++kill) {
            QProcess run;
            run.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"practise 0"_s, store});
            QVERIFY(run.waitForReadyRead(20000));
            QTest::qWait(QRandomGenerator::global()->bounded(300));
            ::kill(pid_t(run.processId()), SIGKILL);
            QVERIFY(run.waitForFinished(20000));
            finished += run.readAllStandardOutput().count("answered");
            SqlDatabase db;
            SqlError error = db.open(QFile::encodeName(store), true);
            SqlStatement check = db.prepare("PRAGMA integrity_check", error);
            QVERIFY(!error && check.next(error) && check.text(0) == u"ok");
            const qint64 logged = db.number("SELECT count(*) FROM review", error);
            QVERIFY2(logged >= finished && logged <= finished + kill + 1,
                     qPrintable(u"%1 of %2"_s.arg(logged).arg(finished)));
        }
        const QTemporaryDir both;
        const QString shared = both.filePath(u"ordkvarnen.sqlite"_s);
        QProcess first, second;
        first.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"practise 40"_s, shared});
        second.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"practise 40"_s, shared});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode() + second.exitCode(), 0);
        SqlDatabase db;
        SqlError error = db.open(QFile::encodeName(shared), true);
        QCOMPARE(db.number("SELECT count(*) FROM review", error), 80);
    }

    // A store from a newer program is read and never written: practice goes on, with one message.
    void practiceGoesOnWithoutAStore()
    {
        const QTemporaryDir home;
        const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
        {
            SqlDatabase db;
            QVERIFY(!db.open(QFile::encodeName(store), false) && !db.exec("PRAGMA user_version = 99"));
        }
        TestProgram t(store);
        t.run(u"glosor=s1=e1|s2=e2 cmdOva txteng=e1 Enter Enter txteng=e2 Enter"_s);
        QCOMPARE(t.log().count(u"Svaren kan inte sparas i programmets minne"_s), 1);

        // A full disk: the first answer is kept, the next ones cannot be; practice goes on, one message.
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(),
                  {u"--child"_s, u"practise 6 full"_s, home.filePath(u"full.sqlite"_s)});
        QVERIFY(run.waitForFinished(60000));
        const QByteArray said = run.readAllStandardOutput();
        QVERIFY2(run.exitCode() == 0 && said.contains("answered 6\n") && said.contains("messages 1\n"),
                 said.constData());
    }

    // A store that is no database is set aside with one message; a new one works.
    void damagedStoreSetAside()
    {
        const QTemporaryDir home;
        const QString store = home.filePath(u"ordkvarnen.sqlite"_s);
        QVERIFY(writeBytes(store, QByteArray("inte en databas ").repeated(500)));
        {
            TestProgram first(store);
            startOn(first);
            const QString log = first.log();
            QVERIFY2(
                log.contains(u"Programmets minnesfil gick inte att läsa. Den har flyttats undan till "_s +
                             store + u".skadad-"_s),
                qPrintable(log));
            first.addPairs(pairsOf(Typed));
            first.program.keepUnsaved();
            QVERIFY(first.log().isEmpty()); // the new store takes the copy
        }
        QCOMPARE(QDir(home.path()).entryList({u"ordkvarnen.sqlite.skadad-*"_s}).size(), 1);
        TestProgram next(store);
        listedAfterStart(next, u"Nej"_s);
        QVERIFY(next.log().split(u'\n').contains(Offer));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return child(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
    TestStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store.moc"
