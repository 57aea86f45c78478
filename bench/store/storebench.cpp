// The store. A change to a full list of 255 pairs: the recovery copy written
// (one transaction, synced), against the least work that keeps the same rows
// as safely: the same statements on a bare SQLite connection with the same
// journal and sync settings, prepared once. One answer recorded with 100,000
// in the log (median and 99th percentile of 1,000), and today's pairs of a
// 255-pair list with 50,000 pairs in the store.
#include "summary.h"

#include "core/schedule.h"
#include "files/sqlitestore.h"
#include "platform/sqlite.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>
#include <ctime>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

QList<WordPair> fullList(int change)
{
    QList<WordPair> pairs;
    for (int i = 1; i <= WordList::MaxPairs; ++i)
        pairs.append(
            {QStringLiteral("ordet nummer %1").arg(i), QStringLiteral("word number %1").arg(i + change)});
    return pairs;
}

void programCopy(benchmark::State &bench)
{
    const QTemporaryDir folder;
    SqliteStore store(folder.filePath(QStringLiteral("ordkvarnen.sqlite")));
    int change = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        const QList<WordPair> pairs = fullList(++change);
        bench.ResumeTiming();
        if (!store.keepCopy(QString(), pairs).ok())
            bench.SkipWithError("the copy was not kept");
    }
}
BENCHMARK(programCopy)->Repetitions(5)->ReportAggregatesOnly()->MeasureProcessCPUTime()->UseRealTime();

void bareCopy(benchmark::State &bench)
{
    const QTemporaryDir folder;
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(folder.filePath(QStringLiteral("bare.sqlite"))).constData(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL;"
                 "CREATE TABLE pair(copy INTEGER, position INTEGER, swedish TEXT, english TEXT,"
                 " PRIMARY KEY(copy, position)) WITHOUT ROWID",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *remove = nullptr, *insert = nullptr;
    sqlite3_prepare_v2(db, "DELETE FROM pair WHERE copy = 1", -1, &remove, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO pair VALUES(1, ?, ?, ?)", -1, &insert, nullptr);
    int change = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        const QList<WordPair> pairs = fullList(++change);
        bench.ResumeTiming();
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        sqlite3_step(remove);
        sqlite3_reset(remove);
        for (qsizetype i = 0; i < pairs.size(); ++i) {
            const QByteArray swedish = pairs[i].swedish.toUtf8(), english = pairs[i].english.toUtf8();
            sqlite3_bind_int64(insert, 1, i);
            sqlite3_bind_text(insert, 2, swedish.constData(), int(swedish.size()), SQLITE_STATIC);
            sqlite3_bind_text(insert, 3, english.constData(), int(english.size()), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(remove);
    sqlite3_finalize(insert);
    sqlite3_close(db);
}
BENCHMARK(bareCopy)->Repetitions(5)->ReportAggregatesOnly()->MeasureProcessCPUTime()->UseRealTime();

double cpuMicroseconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

// A store with pairs pairs in its cards and answers answers in its log, written in one transaction.
void fill(const QString &path, int pairs, int answers)
{
    {
        SqliteStore store(path);
        store.setTestDate({}); // made, with its tables
    }
    SqlDatabase db;
    db.open(QFile::encodeName(path), false);
    db.exec("BEGIN");
    SqlError error;
    SqlStatement log = db.prepare("INSERT INTO review(at, day, swedish, english, shown, outcome, typed) "
                                  "VALUES(?, ?, ?, ?, 'sv', 1, ?)",
                                  error);
    const qint64 start = QDateTime(QDate(2026, 1, 1), QTime(12, 0)).toMSecsSinceEpoch();
    for (int i = 0; i < answers; ++i)
        log.bind(1, start + qint64(i) * 60000)
            .bind(2, QDate(2026, 1, 1).addDays(i / 300).toJulianDay())
            .bind(3, QStringLiteral("ordet nummer %1").arg(i % pairs))
            .bind(4, QStringLiteral("word %1").arg(i % pairs))
            .bind(5, QStringLiteral("word %1").arg(i % pairs))
            .run();
    SqlStatement card = db.prepare("INSERT INTO card VALUES(?, ?, 10, 5, ?, ?, 3, 0)", error);
    for (int i = 0; i < pairs; ++i)
        card.bind(1, QStringLiteral("ordet nummer %1").arg(i))
            .bind(2, QStringLiteral("word %1").arg(i))
            .bind(3, QDate(2026, 12, 1).toJulianDay())
            .bind(4, QDate(2026, 12, 1 + i % 20).toJulianDay())
            .run();
    db.exec("COMMIT");
}

void recordingAndToday()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ordkvarnen.sqlite"));
    fill(path, 50000, 100000);
    SqliteStore store(path);
    std::vector<double> cpu, wall;
    QDateTime at(QDate(2026, 12, 7), QTime(10, 0));
    for (int i = 0; i < 1000; ++i) {
        const Review review{at.addSecs(i),
                            {QStringLiteral("ordet nummer %1").arg(i), QStringLiteral("word %1").arg(i)},
                            false,
                            ReviewOutcome::RightFirstTry,
                            QStringLiteral("word %1").arg(i)};
        QElapsedTimer timer;
        const double before = cpuMicroseconds();
        timer.start();
        store.recordReview(review);
        wall.push_back(double(timer.nsecsElapsed()) / 1e3);
        cpu.push_back(cpuMicroseconds() - before);
    }
    printRow({"Record an answer, 100k in the log, CPU median (us)", percentile(cpu, 0.5)});
    printRow({"Record an answer, 100k in the log, CPU p99 (us)", percentile(cpu, 0.99)});
    printRow({"Record an answer, 100k in the log, with sync, median (us)", percentile(wall, 0.5)});
    printRow({"Record an answer, 100k in the log, with sync, p99 (us)", percentile(wall, 0.99)});

    QList<WordPair> list;
    for (int i = 0; i < WordList::MaxPairs; ++i)
        list.append({QStringLiteral("ordet nummer %1").arg(i * 190), QStringLiteral("word %1").arg(i * 190)});
    std::vector<double> today;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<Schedule::Card> cards = store.cardsOf(list);
        const QDate test = store.testDate();
        int due = 0;
        for (const Schedule::Card &card : cards)
            due += Schedule::dueOn(card, QDate(2026, 12, 7), test);
        benchmark::DoNotOptimize(due);
        today.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    printRow({"Today's pairs of 255, 50k pairs stored, median (ms)", percentile(today, 0.5)});
}

} // namespace

int main(int argc, char *argv[])
{
    recordingAndToday();
    const BenchmarkResults results = runBenchmarks(argc, argv);
    BenchmarkResult program, bare;
    for (const auto &[name, result] : results)
        (name.rfind("programCopy", 0) == 0 ? program : bare) = result;
    printRow(
        {"Recovery copy of 255 pairs, CPU (us)", program.cpuNanoseconds / 1000, bare.cpuNanoseconds / 1000});
    printRow(
        {"Recovery copy of 255 pairs, with sync (us)", program.nanoseconds / 1000, bare.nanoseconds / 1000});
    return 0;
}
