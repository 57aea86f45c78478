#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

struct sqlite3;
struct sqlite3_stmt;

// A small door to SQLite (Debian's libsqlite3): open, prepared statements,
// transactions; every failure comes back as a value with SQLite's code and
// text, never as an exception or a crash.
struct SqlError {
    int code = 0; // SQLite's result code; 0: none
    QString text;

    explicit operator bool() const { return code != 0; }
};

class SqlStatement {
public:
    SqlStatement() = default;
    SqlStatement(SqlStatement &&other) noexcept
        : m_statement(std::exchange(other.m_statement, nullptr))
    {
    }
    SqlStatement &operator=(SqlStatement &&other) noexcept;
    ~SqlStatement();

    // Binds parameter index (from 1); chainable.
    SqlStatement &bind(int index, qint64 value);
    SqlStatement &bind(int index, double value);
    SqlStatement &bind(int index, const QString &value);
    SqlStatement &bind(int index, const QByteArray &value);
    // One step: true while it yields a row; error set when it failed.
    bool next(SqlError &error);
    // Runs it to its end.
    SqlError run();
    qint64 integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;
    void reset();

private:
    friend class SqlDatabase;
    explicit SqlStatement(sqlite3_stmt *statement)
        : m_statement(statement)
    {
    }
    sqlite3_stmt *m_statement = nullptr;
};

class SqlDatabase {
public:
    SqlDatabase() = default;
    SqlDatabase(const SqlDatabase &) = delete;
    SqlDatabase &operator=(const SqlDatabase &) = delete;
    ~SqlDatabase() { close(); }

    SqlError open(const QByteArray &path, bool readOnly);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    SqlError exec(const char *sql);
    SqlStatement prepare(const char *sql, SqlError &error);
    // The first column of the first row of sql, as a number.
    qint64 number(const char *sql, SqlError &error);
    SqlError begin() { return exec("BEGIN IMMEDIATE"); }
    SqlError commit() { return exec("COMMIT"); }
    void rollback() { exec("ROLLBACK"); }

private:
    SqlError lastError(int code) const;
    sqlite3 *m_db = nullptr;
};
