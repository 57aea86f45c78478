// A change to a full list of 255 pairs: the recovery copy written to the
// store (one transaction, synced), against the least work that keeps the
// same rows as safely: the same statements on a bare SQLite connection with
// the same journal and sync settings, prepared once.
#include "summary.h"

#include "files/sqlitestore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

QList<WordPair> fullList(int change)
{
    QList<WordPair> pairs;
    for (int i = 1; i <= WordList::MaxPairs; ++i)
        pairs.append({QStringLiteral("ordet nummer %1").arg(i), QStringLiteral("word number %1").arg(i + change)});
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

} // namespace

int main(int argc, char *argv[])
{
    const BenchmarkResults results = runBenchmarks(argc, argv);
    const BenchmarkResult program = results["programCopy"], bare = results["bareCopy"];
    printRow({"Recovery copy of 255 pairs, CPU (us)", program.cpuNanoseconds / 1000, bare.cpuNanoseconds / 1000});
    printRow({"Recovery copy of 255 pairs, with sync (us)", program.nanoseconds / 1000, bare.nanoseconds / 1000});
    return 0;
}
