// The progress window of a full list of 255 pairs after a year of daily
// practice (every pair asked every day, one question in five missed first:
// about 112,000 answers): opened until it has painted, the chart module
// already loaded and for the first time with it; and its figures alone. The
// references are the least work that shows the same: the stored figures
// (the questions of each pair and day, kept as the answers come, and the
// cards) read once on a bare SQLite connection, and a bare
// table of 255 rows beside two empty Qt Charts views painted.
#include "summary.h"

#include "core/progressreport.h"
#include "core/session.h"
#include "files/sqlitestore.h"
#include "platform/fixedpaths.h"
#include "platform/modules.h"
#include "platform/sqlite.h"
#include "progress/frmframsteg.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace {
const QDate Today(2026, 12, 7);

struct NoDialogs final : Dialogs {
    Answer message(const Message &) override { return Answer::No; }
    std::optional<QString> openFile(const FileDialogRequest &) override { return {}; }
    std::optional<QString> saveFile(const FileDialogRequest &) override { return {}; }
    std::optional<ColorValue> chooseColor(const ColorRequest &) override { return {}; }
    bool print(const Printout &) override { return false; }
};
struct SetClock final : Clock {
    QTime now() const override { return {12, 0}; }
    QDateTime moment() const override { return QDateTime(Today, now()); }
};
struct NoChance final : RandomSource {
    int below(int) override { return 0; }
};
struct Mute final : Speaker {
    Voice voice(Language) const override { return {}; }
    void findVoice(Language) override {}
    void say(const QString &, Language) override {}
};

QList<WordPair> fullList()
{
    QList<WordPair> pairs;
    for (int i = 0; i < WordList::MaxPairs; ++i)
        pairs.append({QStringLiteral("ordet nummer %1").arg(i), QStringLiteral("word number %1").arg(i)});
    return pairs;
}

// A year of answers to every pair, in one transaction, and each pair's card from its log.
void fill(const QString &path, const QList<WordPair> &pairs)
{
    SqliteStore(path).setTestDate(Today.addDays(30)); // made, with its tables
    SqlDatabase db;
    db.open(QFile::encodeName(path), false);
    db.exec("BEGIN");
    SqlError error;
    SqlStatement log = db.prepare("INSERT INTO review(at, day, swedish, english, shown, outcome, typed) "
                                  "VALUES(?, ?, ?, ?, 'sv', ?, '')",
                                  error);
    SqlStatement card = db.prepare("INSERT INTO card VALUES(?, ?, ?, ?, ?, ?, ?, ?)", error);
    for (qsizetype p = 0; p < pairs.size(); ++p) {
        QList<std::pair<QDate, ReviewOutcome>> history;
        for (int d = -365; d < 0; ++d) {
            const QDate day = Today.addDays(d);
            const qint64 at = QDateTime(day, QTime(12, 0)).addSecs(p * 10).toMSecsSinceEpoch();
            const bool missed = (p + d) % 5 == 0;
            for (const ReviewOutcome outcome :
                 missed ? QList{ReviewOutcome::Wrong, ReviewOutcome::RightAfterMiss}
                        : QList{ReviewOutcome::RightFirstTry}) {
                log.bind(1, at + history.size()).bind(2, day.toJulianDay());
                log.bind(3, pairs[p].swedish).bind(4, pairs[p].english).bind(5, qint64(outcome)).run();
                history.append({day, outcome});
            }
        }
        const Schedule::Card c = cardFromLog(history);
        card.bind(1, pairs[p].swedish).bind(2, pairs[p].english).bind(3, c.stability).bind(4, c.difficulty);
        card.bind(5, c.last.toJulianDay()).bind(6, c.due.toJulianDay()).bind(7, qint64(c.reviews));
        card.bind(8, qint64(c.lapses)).run();
    }
    db.exec("INSERT INTO question_day SELECT swedish, english, day, count(*), sum(outcome = 1) FROM question"
            " GROUP BY swedish, english, day");
    db.exec("COMMIT");
}

template <class Work> double medianMs(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The stored figures of the list read once with bare SQLite: every pair's
// questions per day and its card, one statement each.
void bareFigures(sqlite3 *db)
{
    qint64 sum = 0;
    for (const char *sql : {"SELECT swedish, english, day, asked, right_first FROM question_day",
                            "SELECT swedish, english, stability, last_day, due_day FROM card"}) {
        sqlite3_stmt *read = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &read, nullptr);
        while (sqlite3_step(read) == SQLITE_ROW)
            sum += sqlite3_column_int64(read, 3);
        sqlite3_finalize(read);
    }
    benchmark::DoNotOptimize(sum);
}

// A table of as many rows and cells and two empty chart views, painted.
void bareWindow(const QList<WordPair> &pairs)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *model = new QStandardItemModel(&window);
    for (const WordPair &pair : pairs) {
        QList<QStandardItem *> row;
        for (const QString &text :
             {pair.swedish, pair.english, QStringLiteral("365"), QStringLiteral("80 %"),
              QStringLiteral("i går"), QStringLiteral("2026-12-20"), QStringLiteral("95 %")})
            row << new QStandardItem(text);
        model->appendRow(row);
    }
    auto *table = new QTableView;
    table->setModel(model);
    table->resizeColumnsToContents();
    layout->addWidget(table);
    auto *charts = new QHBoxLayout;
    charts->addWidget(new QChartView);
    charts->addWidget(new QChartView);
    layout->addLayout(charts);
    window.resize(880, 640);
    window.show();
    window.grab();
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setModuleFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/../src"));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ordkvarnen.sqlite"));
    const QList<WordPair> pairs = fullList();
    fill(path, pairs);

    NoDialogs dialogs;
    SetClock clock;
    NoChance chance;
    FixedPaths paths(folder.path(), {});
    Mute mute;
    SqliteStore store(path);
    Session session({dialogs, clock, chance, paths, mute, store, [] {}});
    WordList list;
    list.append(pairs);
    session.setList(list);

    const auto open = [&session] {
        FrmFramsteg window(session);
        window.Form_Load();
        window.show();
        window.grab();
    };
    const double first = medianMs(1, open);
    const double again = medianMs(15, open);
    const double bareShown = medianMs(15, [&pairs] { bareWindow(pairs); });
    printRow({"Progress window, 255 pairs, a year daily, first open with Qt Charts (ms)", first});
    printRow({"Progress window, 255 pairs, a year daily, open and painted (ms)", again, bareShown});

    const double figures = medianMs(15, [&] { progressReport(store, pairs, Today); });
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const double bare = medianMs(15, [db] { bareFigures(db); });
    sqlite3_close(db);
    printRow({"Progress figures, 255 pairs, a year daily (ms)", figures, bare});
    return 0;
}
