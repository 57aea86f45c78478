#include "files/sqlitestore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sqlite3.h>

namespace {

// The schema's versions, each a step from the one before.
const char *const Migrations[] = {
    // 1: recovery copies of unsaved lists, one per run.
    "CREATE TABLE recovery_copy("
    " id INTEGER PRIMARY KEY,"
    " host TEXT NOT NULL, pid INTEGER NOT NULL, run_started INTEGER NOT NULL,"
    " copied INTEGER NOT NULL, word_file TEXT NOT NULL DEFAULT '',"
    " UNIQUE(host, pid, run_started));"
    "CREATE TABLE recovery_pair("
    " copy INTEGER NOT NULL REFERENCES recovery_copy(id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL, swedish TEXT NOT NULL, english TEXT NOT NULL,"
    " PRIMARY KEY(copy, position)) WITHOUT ROWID;",
    // 2: every answer, each pair's card (rebuilt from the answers at will) and the settings.
    "CREATE TABLE review("
    " id INTEGER PRIMARY KEY,"
    " at INTEGER NOT NULL, day INTEGER NOT NULL,"
    " swedish TEXT NOT NULL, english TEXT NOT NULL, shown TEXT NOT NULL,"
    " outcome INTEGER NOT NULL, typed TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX review_pair ON review(swedish, english, at);"
    "CREATE TABLE card("
    " swedish TEXT NOT NULL, english TEXT NOT NULL,"
    " stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL, due_day INTEGER NOT NULL,"
    " reviews INTEGER NOT NULL, lapses INTEGER NOT NULL,"
    " PRIMARY KEY(swedish, english)) WITHOUT ROWID;"
    "CREATE TABLE setting(name TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;",
    // 3: the questions asked of each pair on each day, counted as the answers come and rebuilt from them at
    // will. A question begins with the pair's first answer, with one after the answer that ended the question
    // before (right, at once or after a miss), and with one on another day or with the other word shown (the
    // question before was left unanswered).
    "CREATE VIEW question AS SELECT swedish, english, day, outcome FROM ("
    " SELECT swedish, english, day, outcome, shown,"
    "  lag(outcome) OVER w AS o, lag(day) OVER w AS pd, lag(shown) OVER w AS ps FROM review"
    "  WINDOW w AS (PARTITION BY swedish, english ORDER BY at, id))"
    " WHERE o IS NULL OR o IN (1, 5) OR pd <> day OR ps <> shown;"
    "CREATE TABLE question_day("
    " swedish TEXT NOT NULL, english TEXT NOT NULL, day INTEGER NOT NULL,"
    " asked INTEGER NOT NULL, right_first INTEGER NOT NULL,"
    " PRIMARY KEY(swedish, english, day)) WITHOUT ROWID;"
    "INSERT INTO question_day SELECT swedish, english, day, count(*), sum(outcome = 1) FROM question"
    " GROUP BY swedish, english, day;",
};
constexpr int SchemaVersion = int(std::size(Migrations));

QString lockName(const QString &folder, const RunId &run)
{
    return QStringLiteral("%1/runs/%2-%3-%4.lock")
        .arg(folder, QString(run.host).replace(u'/', u'_'))
        .arg(run.pid)
        .arg(run.started);
}

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/'));
}

} // namespace

SqliteStore::SqliteStore(QString path, qint64 started)
    : m_path(std::move(path))
    , m_run{QSysInfo::machineHostName(), qint64(::getpid()), started}
{
}

SqliteStore::~SqliteStore()
{
    if (m_lockFd >= 0) {
        ::unlink(QFile::encodeName(lockName(folderOf(m_path), m_run)).constData());
        ::close(m_lockFd);
    }
}

QString SqliteStore::open()
{
    if (std::exchange(m_tried, true))
        return m_problem;
    if (m_path.isEmpty())
        m_path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/ordkvarnen/ordkvarnen.sqlite");
    const QString folder = folderOf(m_path);
    QDir().mkpath(folder + QStringLiteral("/runs"));
    // This run's lock: free again only when the run has ended, however it ended.
    m_lockFd = ::open(QFile::encodeName(lockName(folder, m_run)).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lockFd >= 0)
        ::flock(m_lockFd, LOCK_EX | LOCK_NB);

    const QByteArray file = QFile::encodeName(m_path);
    // Made for its owner alone before SQLite makes it; its journals take the same mode.
    if (const int fd = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
        fd >= 0)
        ::close(fd);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SqlError error = m_db.open(file, false);
        if (!error)
            error = m_db.exec("PRAGMA busy_timeout = 3000");
        qint64 version = error ? 0 : m_db.number("PRAGMA user_version", error);
        if (!error) { // a truncated file opens, and shows here
            SqlStatement check = m_db.prepare("PRAGMA quick_check", error);
            if (!error && check.next(error) && check.text(0) != u"ok")
                error = {SQLITE_CORRUPT, check.text(0)};
        }
        if (!error && version > SchemaVersion) {
            m_readOnly = true;
            m_notice =
                QStringLiteral("Programmets minne är från en nyare version av programmet. Det läses men "
                               "ändras inte.");
            return {};
        }
        // Another copy switching the journal at the same moment answers busy for a while.
        for (int attempt = 0; !error && attempt < 100; ++attempt) {
            error = m_db.exec("PRAGMA journal_mode = WAL");
            if (error.code != SQLITE_BUSY)
                break;
            error = {};
            ::usleep(20000);
        }
        if (!error)
            error = m_db.exec("PRAGMA synchronous = FULL");
        if (!error)
            error = m_db.exec("PRAGMA foreign_keys = ON");
        if (!error) {
            m_problem = migrate();
            return m_problem;
        }
        const bool damaged = error.code == SQLITE_NOTADB || error.code == SQLITE_CORRUPT ||
                             error.code == SQLITE_CANTOPEN || (error.code & 0xFF) == SQLITE_IOERR;
        m_db.close();
        if (!damaged || attempt > 0) {
            m_problem = error.text;
            return m_problem;
        }
        if (const QString aside = setAside(file); !aside.isEmpty()) {
            m_problem = aside;
            return m_problem;
        }
    }
    return m_problem;
}

QString SqliteStore::setAside(const QByteArray &file)
{
    const QByteArray stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1();
    const QByteArray aside = file + ".skadad-" + stamp;
    if (::rename(file.constData(), aside.constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    for (const char *journal : {"-wal", "-shm"})
        ::rename((file + journal).constData(), (aside + journal).constData());
    if (const int fd = ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        fd >= 0)
        ::close(fd);
    m_notice =
        QStringLiteral("Programmets minnesfil gick inte att läsa. Den har flyttats undan till %1 och en "
                       "ny har skapats.")
            .arg(QFile::decodeName(aside));
    return {};
}

QString SqliteStore::migrate()
{
    SqlError error;
    for (;;) {
        // Read again inside the write lock: another copy of the program may have taken the step meanwhile.
        if ((error = m_db.begin()))
            break;
        const qint64 version = m_db.number("PRAGMA user_version", error);
        if (!error && version >= SchemaVersion) {
            m_db.rollback();
            break;
        }
        if (!error)
            error = m_db.exec(Migrations[version]);
        if (!error)
            error =
                m_db.exec(QByteArray("PRAGMA user_version = " + QByteArray::number(version + 1)).constData());
        if (!error)
            error = m_db.commit();
        if (error) {
            m_db.rollback();
            break;
        }
    }
    return error.text;
}

bool SqliteStore::runEnded(const RunId &run) const
{
    if (run == m_run)
        return false;
    if (run.host == m_run.host && ::kill(pid_t(run.pid), 0) != 0 && errno == ESRCH)
        return true;
    // Its lock is free: the run has ended, or the process is another program by now.
    const int fd = ::open(QFile::encodeName(lockName(folderOf(m_path), run)).constData(),
                          O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return run.host == m_run.host; // a run of this host that kept no lock: judged by its process alone
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

QString SqliteStore::writePairs(qint64 copy, const QList<WordPair> &pairs)
{
    SqlError error;
    SqlStatement remove = m_db.prepare("DELETE FROM recovery_pair WHERE copy = ?", error);
    if (!error)
        error = remove.bind(1, copy).run();
    SqlStatement insert =
        m_db.prepare("INSERT INTO recovery_pair(copy, position, swedish, english) VALUES(?, ?, ?, ?)", error);
    for (qsizetype i = 0; !error && i < pairs.size(); ++i)
        error =
            insert.bind(1, copy).bind(2, qint64(i)).bind(3, pairs[i].swedish).bind(4, pairs[i].english).run();
    return error.text;
}

QString SqliteStore::keepIn(const QString &wordFile, const QList<WordPair> &pairs)
{
    SqlError error;
    SqlStatement upsert = m_db.prepare(
        "INSERT INTO recovery_copy(host, pid, run_started, copied, word_file) VALUES(?, ?, ?, ?, ?) "
        "ON CONFLICT(host, pid, run_started) DO UPDATE SET copied = excluded.copied, "
        "word_file = excluded.word_file RETURNING id",
        error);
    if (!error)
        upsert.bind(1, m_run.host)
            .bind(2, m_run.pid)
            .bind(3, m_run.started)
            .bind(4, QDateTime::currentMSecsSinceEpoch())
            .bind(5, wordFile);
    if (error || !upsert.next(error))
        return error ? error.text : QStringLiteral("no copy");
    const qint64 id = upsert.integer(0);
    upsert.reset();
    return writePairs(id, pairs);
}

StoreOutcome SqliteStore::keepCopy(const QString &wordFile, const QList<WordPair> &pairs)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    const QString problem = keepIn(wordFile, pairs);
    return finish(problem);
}

StoreOutcome SqliteStore::dropCopy()
{
    if (const QString problem = open(); !problem.isEmpty() || m_readOnly)
        return {problem};
    SqlError error;
    SqlStatement remove =
        m_db.prepare("DELETE FROM recovery_copy WHERE host = ? AND pid = ? AND run_started = ?", error);
    if (!error)
        error = remove.bind(1, m_run.host).bind(2, m_run.pid).bind(3, m_run.started).run();
    return {error.text};
}

QList<RecoveryCopy> SqliteStore::endedCopies()
{
    QList<RecoveryCopy> copies;
    if (!open().isEmpty())
        return copies;
    SqlError error;
    SqlStatement list = m_db.prepare(
        "SELECT id, host, pid, run_started, copied, word_file FROM recovery_copy ORDER BY copied DESC",
        error);
    SqlStatement pairs =
        m_db.prepare("SELECT swedish, english FROM recovery_pair WHERE copy = ? ORDER BY position", error);
    while (!error && list.next(error)) {
        RecoveryCopy copy{list.integer(0),
                          {list.text(1), list.integer(2), list.integer(3)},
                          QDateTime::fromMSecsSinceEpoch(list.integer(4)),
                          list.text(5),
                          {}};
        if (!runEnded(copy.run))
            continue;
        pairs.bind(1, copy.id);
        while (pairs.next(error))
            copy.pairs.append({pairs.text(0), pairs.text(1)});
        pairs.reset();
        if (!copy.pairs.isEmpty())
            copies.append(copy);
    }
    return copies;
}

StoreOutcome SqliteStore::dropEndedCopy(qint64 id)
{
    if (const QString problem = open(); !problem.isEmpty() || m_readOnly)
        return {problem};
    SqlError error;
    SqlStatement remove = m_db.prepare("DELETE FROM recovery_copy WHERE id = ?", error);
    if (!error)
        error = remove.bind(1, id).run();
    return {error.text};
}

StoreOutcome SqliteStore::takeOver(qint64 id, const QList<WordPair> &leftOver, const QString &wordFile,
                                   const QList<WordPair> &list)
{
    if (const QString problem = writable(); !problem.isEmpty())
        return {problem};
    if (SqlError error = m_db.begin())
        return {error.text};
    QString problem = keepIn(wordFile, list);
    SqlError error;
    if (problem.isEmpty() && leftOver.isEmpty()) {
        SqlStatement remove = m_db.prepare("DELETE FROM recovery_copy WHERE id = ?", error);
        if (!error)
            error = remove.bind(1, id).run();
        problem = error.text;
    } else if (problem.isEmpty()) {
        problem = writePairs(id, leftOver);
    }
    return finish(problem);
}

StoreOutcome SqliteStore::finish(const QString &problem)
{
    const SqlError committed = problem.isEmpty() ? m_db.commit() : SqlError{};
    if (problem.isEmpty() && !committed)
        return {};
    m_db.rollback();
    return {problem.isEmpty() ? committed.text : problem};
}

QString SqliteStore::writable()
{
    if (const QString problem = open(); !problem.isEmpty())
        return problem;
    return m_readOnly ? QStringLiteral("minnet är från en nyare version av programmet") : QString();
}

QString SqliteStore::takeNotice()
{
    open();
    return std::exchange(m_notice, {});
}
