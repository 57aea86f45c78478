#include "platform/sqlite.h"

#include <sqlite3.h>

SqlStatement &SqlStatement::operator=(SqlStatement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(m_statement);
}

SqlStatement &SqlStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement, index, value);
    return *this;
}

SqlStatement &SqlStatement::bind(int index, double value)
{
    sqlite3_bind_double(m_statement, index, value);
    return *this;
}

SqlStatement &SqlStatement::bind(int index, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

SqlStatement &SqlStatement::bind(int index, const QByteArray &value)
{
    sqlite3_bind_blob(m_statement, index, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    return *this;
}

bool SqlStatement::next(SqlError &error)
{
    if (!m_statement) {
        error = {SQLITE_MISUSE, QStringLiteral("no statement")};
        return false;
    }
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        error = {code, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)))};
    return false;
}

SqlError SqlStatement::run()
{
    SqlError error;
    while (next(error)) {
    }
    reset();
    return error;
}

qint64 SqlStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqlStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QString SqlStatement::text(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

QByteArray SqlStatement::blob(int column) const
{
    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
}

void SqlStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

SqlError SqlDatabase::open(const QByteArray &path, bool readOnly)
{
    close();
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW;
    const int code = sqlite3_open_v2(path.constData(), &m_db, flags, nullptr);
    if (code == SQLITE_OK)
        return {};
    SqlError error = lastError(code);
    close();
    return error;
}

void SqlDatabase::close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

SqlError SqlDatabase::exec(const char *sql)
{
    if (!m_db)
        return {SQLITE_MISUSE, QStringLiteral("not open")};
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK ? SqlError{} : lastError(code);
}

SqlStatement SqlDatabase::prepare(const char *sql, SqlError &error)
{
    sqlite3_stmt *statement = nullptr;
    const int code = m_db ? sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) : SQLITE_MISUSE;
    if (code != SQLITE_OK)
        error = lastError(code);
    return SqlStatement(statement);
}

qint64 SqlDatabase::number(const char *sql, SqlError &error)
{
    SqlStatement statement = prepare(sql, error);
    if (error || !statement.next(error))
        return 0;
    return statement.integer(0);
}

SqlError SqlDatabase::lastError(int code) const
{
    const char *text = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    return {code, QString::fromUtf8(text)};
}
