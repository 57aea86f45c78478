// The store module: the program's store on SQLite, loaded the first time the
// store is needed, so that start-up never loads SQLite.
#include "files/sqlitestore.h"

extern "C" Q_DECL_EXPORT Store *ordkvarnen_create_store(const QString &path, qint64 started)
{
    return new SqliteStore(path, started);
}
