#pragma once

#include "core/store.h"
#include "platform/sqlite.h"

// The desktop's store: one SQLite database per desktop account, by default
// $XDG_DATA_HOME/ordkvarnen/ordkvarnen.sqlite, readable by its owner alone.
// Opened on first use, never before: WAL journal, every commit synced, a
// busy timeout of a few seconds, the schema's version in user_version with
// numbered migrations. A database from a newer program is read where it can
// be and never written; one that cannot be opened or is no database is
// renamed aside (".skadad-" and the time) and a new one started. While the
// program runs it holds a lock of its own beside the database, so that
// another copy can tell that its recovery copy is not to be touched.
class SqliteStore final : public Store {
public:
    // path empty: the default place, looked up when first opened; started:
    // when this run began (milliseconds since 1970), by default now.
    explicit SqliteStore(QString path = {}, qint64 started = QDateTime::currentMSecsSinceEpoch());
    ~SqliteStore() override;

    StoreOutcome keepCopy(const QString &wordFile, const QList<WordPair> &pairs) override;
    StoreOutcome dropCopy() override;
    QList<RecoveryCopy> endedCopies() override;
    StoreOutcome dropEndedCopy(qint64 id) override;
    StoreOutcome takeOver(qint64 id, const QList<WordPair> &leftOver, const QString &wordFile,
                          const QList<WordPair> &list) override;
    StoreOutcome recordReview(const Review &review) override;
    QList<Schedule::Card> cardsOf(const QList<WordPair> &pairs) override;
    StoreOutcome renamePair(const WordPair &from, const WordPair &to) override;
    QList<PairHistory> historyOf(const QList<WordPair> &pairs, QDate since) override;
    StoreOutcome forget(const QList<WordPair> &pairs) override;
    QDate testDate() override;
    StoreOutcome setTestDate(QDate date) override;
    QString takeNotice() override;

    const RunId &run() const { return m_run; }

private:
    QString open(); // empty, or why the store cannot be used
    QString setAside(const QByteArray &file);
    QString migrate();
    bool runEnded(const RunId &run) const;
    QString writePairs(qint64 copy, const QList<WordPair> &pairs);
    QString keepIn(const QString &wordFile, const QList<WordPair> &pairs); // within a transaction
    QString writable();
    // Ends a transaction: committed when nothing went wrong, else rolled back.
    StoreOutcome finish(const QString &problem);
    Schedule::Card card(const WordPair &pair, SqlError &error);
    QString putCard(const WordPair &pair, const Schedule::Card &card);
    // Counts the question that review begins, if it begins one; before it is logged.
    SqlError countQuestion(const Review &review);

    QString m_path;
    RunId m_run;
    SqlDatabase m_db;
    bool m_tried = false;
    bool m_readOnly = false; // a newer program's store
    QString m_problem;       // why it cannot be used at all
    QString m_notice;
    int m_lockFd = -1;
};
