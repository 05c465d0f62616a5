#include "db/database.h"

#include "base/log.h"
#include "db/boundstatement.h"
#include "db/readconnection.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <sqlite3.h>

namespace {

struct Connection
{
    QMutex mutex; // held for the whole of every statement
    sqlite3 *handle = nullptr;
    int openResult = SQLITE_OK;
    QString path;
};

Connection &connection()
{
    static Connection c;
    return c;
}

// A locked file (another program writing) is waited for this long before a statement fails.
constexpr int kBusyTimeoutMs = 5000;

int rowCallback(void *target, int columns, char **values, char **names)
{
    DbRow row;
    for (int i = 0; i < columns; ++i)
        row.insert(QString::fromUtf8(names[i]), values[i] ? QString::fromUtf8(values[i]) : QString());
    static_cast<DbRows *>(target)->append(row);
    return 0;
}

// Runs one statement and logs its failure. Caller holds the mutex.
int runLogged(sqlite3 *handle, const QString &statement, const QVariantList *values, DbRows *rows)
{
    int rc;
    QString error;
    if (values) {
        rc = BoundStatement::run(handle, statement, *values, rows, error);
    } else {
        char *message = nullptr;
        rc = sqlite3_exec(handle, statement.toUtf8().constData(), rows ? rowCallback : nullptr, rows, &message);
        if (rc != SQLITE_OK)
            error = message ? QString::fromUtf8(message) : BoundStatement::errorText(handle);
        sqlite3_free(message);
    }
    if (rc != SQLITE_OK)
        BoundStatement::logFailure(statement, error);
    return rc;
}

// True when the file was deleted or replaced while open. A rollback journal
// refuses to write then; a write-ahead log would take the writes into the
// deleted file without a word.
bool fileHasMoved(sqlite3 *handle)
{
    int moved = 0;
    return sqlite3_file_control(handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved;
}

// An update's failure is logged once more as such. Caller holds the mutex.
int updateLogged(sqlite3 *handle, const QString &statement, const QVariantList *values)
{
    int rc = SQLITE_READONLY_DBMOVED;
    if (fileHasMoved(handle))
        BoundStatement::logFailure(statement, db_result_text(rc));
    else
        rc = runLogged(handle, statement, values, nullptr);
    if (rc != SQLITE_OK)
        write_log(QStringLiteral("[ERROR][SQL UPDATE] %1").arg(statement));
    return rc;
}

int execLocked(const QString &statement, const QVariantList *values, DbRows *rows)
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    return c.handle ? runLogged(c.handle, statement, values, rows) : SQLITE_OK;
}

int execStatement(const QString &statement, const QVariantList *values)
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    return c.handle ? updateLogged(c.handle, statement, values) : SQLITE_OK;
}

DbRows queryStatement(const QString &statement, const QVariantList *values, int *resultCode = nullptr)
{
    DbRows rows;
    const int rc = execLocked(statement, values, &rows);
    if (resultCode)
        *resultCode = rc;
    return rows;
}

bool firstRowInt(const DbRows &rows, const QString &column, int &value)
{
    if (rows.isEmpty())
        return false;
    const auto it = rows.first().constFind(column);
    if (it == rows.first().constEnd())
        return false;
    bool ok = false;
    const int parsed = it->toInt(&ok, 10);
    if (!ok)
        return false;
    value = parsed;
    return true;
}

// Readers then never wait for the recorder, nor the recorder for them. A file
// that cannot take it (read-only, on a file system without shared memory) keeps
// its rollback journal: slower beside long queries, otherwise the same.
void useWriteAheadLog(sqlite3 *handle)
{
    sqlite3_stmt *pragma = nullptr;
    int rc = sqlite3_prepare_v2(handle, "PRAGMA journal_mode=WAL", -1, &pragma, nullptr);
    QString mode;
    if (rc == SQLITE_OK && (rc = sqlite3_step(pragma)) == SQLITE_ROW)
        mode = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(pragma, 0)));
    const QString error = BoundStatement::errorText(handle);
    sqlite3_finalize(pragma);
    if (mode != QLatin1String("wal"))
        write_log(QStringLiteral("[DB] WAL journal mode unavailable: %1").arg(mode.isEmpty() ? error : mode));
}

void closeLocked(Connection &c, int *result)
{
    if (!c.handle)
        return;
    const int rc = sqlite3_close_v2(c.handle);
    if (result)
        *result = rc;
    c.handle = nullptr;
}

} // namespace

void db_set_path(const QString &path)
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    c.path = path;
}

QString db_path()
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    return c.path;
}

int db_open()
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    closeLocked(c, nullptr);
    int rc = sqlite3_open_v2(QFile::encodeName(c.path).constData(), &c.handle,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(c.handle, kBusyTimeoutMs);
        // SQLite reads the file lazily: a file that is not a database shows only here.
        rc = sqlite3_exec(c.handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    // An empty file stays as it is: start-up takes it for a lost database.
    if (rc == SQLITE_OK && QFileInfo(c.path).size() > 0)
        useWriteAheadLog(c.handle);
    c.openResult = rc;
    const int readResult = ReadConnection::open(c.path);
    if (rc == SQLITE_OK && readResult != SQLITE_OK)
        write_log(QStringLiteral("[ERROR] read connection: %1").arg(db_result_text(readResult)));
    return rc;
}

int db_close()
{
    ReadConnection::close();
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    int rc = SQLITE_OK;
    closeLocked(c, &rc);
    return rc;
}

bool db_is_open()
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    return c.handle != nullptr;
}

QList<int> db_exec_each(const QString &statement, const QList<QVariantList> &valueLists)
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    QList<int> results;
    if (!c.handle || valueLists.isEmpty()) {
        for (int i = 0; i < valueLists.size(); ++i)
            results << SQLITE_OK;
        return results;
    }
    int refusal = updateLogged(c.handle, QStringLiteral("BEGIN"), nullptr);
    if (refusal == SQLITE_OK) {
        // SQLite itself ends the transaction on some failed writes (a full disk, an I/O error).
        bool whole = true;
        for (int i = 0; i < valueLists.size() && whole && refusal == SQLITE_OK; ++i) {
            results << updateLogged(c.handle, statement, &valueLists[i]);
            whole = !sqlite3_get_autocommit(c.handle);
            if (db_is_refusal(results.last()))
                refusal = results.last();
        }
        if (whole && refusal == SQLITE_OK) {
            refusal = updateLogged(c.handle, QStringLiteral("COMMIT"), nullptr);
            if (refusal == SQLITE_OK)
                return results;
        }
        if (!sqlite3_get_autocommit(c.handle))
            updateLogged(c.handle, QStringLiteral("ROLLBACK"), nullptr);
        results.clear();
    }
    if (!db_is_refusal(refusal))
        refusal = SQLITE_OK;
    for (const QVariantList &values : valueLists) {
        results << (refusal != SQLITE_OK ? refusal : updateLogged(c.handle, statement, &values));
        if (db_is_refusal(results.last()))
            refusal = results.last();
    }
    return results;
}

bool db_is_refusal(int resultCode)
{
    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_PROTOCOL:
        return true;
    default:
        return false;
    }
}

int db_try_write()
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    if (!c.handle)
        return SQLITE_OK;
    if (fileHasMoved(c.handle))
        return SQLITE_READONLY_DBMOVED;
    sqlite3_busy_timeout(c.handle, 0);
    const int rc = sqlite3_exec(c.handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        sqlite3_exec(c.handle, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(c.handle, kBusyTimeoutMs);
    return rc;
}

int db_exec_transaction(const QList<DbStatement> &statements)
{
    Connection &c = connection();
    QMutexLocker locker(&c.mutex);
    if (!c.handle)
        return SQLITE_OK;
    int rc = updateLogged(c.handle, QStringLiteral("BEGIN"), nullptr);
    for (int i = 0; i < statements.size() && rc == SQLITE_OK; ++i)
        rc = updateLogged(c.handle, statements[i].sql, &statements[i].values);
    if (rc == SQLITE_OK)
        rc = updateLogged(c.handle, QStringLiteral("COMMIT"), nullptr);
    // SQLite itself ends the transaction on some failed writes.
    if (rc != SQLITE_OK && !sqlite3_get_autocommit(c.handle))
        updateLogged(c.handle, QStringLiteral("ROLLBACK"), nullptr);
    return rc;
}

int db_exec(const QString &statement)
{
    return execStatement(statement, nullptr);
}

int db_exec(const QString &statement, const QVariantList &values)
{
    return execStatement(statement, &values);
}

DbRows db_query(const QString &statement)
{
    return queryStatement(statement, nullptr);
}

DbRows db_query(const QString &statement, const QVariantList &values, int *resultCode)
{
    return queryStatement(statement, &values, resultCode);
}

bool db_query_int(const QString &statement, const QString &column, int &value)
{
    return firstRowInt(db_query(statement), column, value);
}

bool db_query_int(const QString &statement, const QVariantList &values, const QString &column, int &value)
{
    return firstRowInt(db_query(statement, values), column, value);
}

QString db_result_text(int resultCode)
{
    return QString::fromUtf8(sqlite3_errstr(resultCode));
}

QString db_library_version()
{
    return QString::fromLatin1(sqlite3_libversion());
}
