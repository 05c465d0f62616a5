#include "db/database.h"

#include "base/log.h"

#include <QFile>
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

QString errorText(sqlite3 *handle)
{
    return QString::fromUtf8(sqlite3_errmsg(handle));
}

void logFailure(const QString &statement, const QString &error)
{
    write_log(QStringLiteral("sql: %1, err_msg: %2").arg(statement, error));
}

int rowCallback(void *target, int columns, char **values, char **names)
{
    DbRow row;
    for (int i = 0; i < columns; ++i)
        row.insert(QString::fromUtf8(names[i]), values[i] ? QString::fromUtf8(values[i]) : QString());
    static_cast<DbRows *>(target)->append(row);
    return 0;
}

int bindValues(sqlite3_stmt *statement, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        const int index = i + 1;
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(statement, index);
        } else {
            switch (value.userType()) {
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::UChar:
                rc = sqlite3_bind_int64(statement, index, value.toLongLong());
                break;
            case QMetaType::ULong:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(statement, index, qint64(value.toULongLong()));
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(statement, index, value.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = sqlite3_bind_blob(statement, index, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray text = value.toString().toUtf8();
                rc = sqlite3_bind_text(statement, index, text.constData(), text.size(), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            return rc;
    }
    return SQLITE_OK;
}

// Runs one statement with bound values; collects rows when rows is given.
// Returns the SQLite result code and sets error on failure. Caller holds the mutex.
int runBound(sqlite3 *handle, const QString &statement, const QVariantList &values, DbRows *rows, QString &error)
{
    sqlite3_stmt *prepared = nullptr;
    const QByteArray sql = statement.toUtf8();
    int rc = sqlite3_prepare_v2(handle, sql.constData(), sql.size(), &prepared, nullptr);
    const int placeholders = prepared ? sqlite3_bind_parameter_count(prepared) : 0;
    if (rc == SQLITE_OK && placeholders != values.size()) {
        // A placeholder left without its value would be stored as NULL.
        sqlite3_finalize(prepared);
        error = QStringLiteral("%1 values for %2 placeholders").arg(values.size()).arg(placeholders);
        return SQLITE_RANGE;
    }
    if (rc == SQLITE_OK && prepared) {
        rc = bindValues(prepared, values);
        while (rc == SQLITE_OK) {
            const int step = sqlite3_step(prepared);
            if (step == SQLITE_DONE)
                break;
            if (step != SQLITE_ROW) {
                rc = step;
                break;
            }
            if (rows) {
                DbRow row;
                const int columns = sqlite3_column_count(prepared);
                for (int i = 0; i < columns; ++i) {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(prepared, i));
                    row.insert(QString::fromUtf8(sqlite3_column_name(prepared, i)),
                               text ? QString::fromUtf8(text, sqlite3_column_bytes(prepared, i)) : QString());
                }
                rows->append(row);
            }
        }
    }
    if (rc != SQLITE_OK)
        error = errorText(handle);
    sqlite3_finalize(prepared);
    return rc;
}

// Runs one statement and logs its failure. Caller holds the mutex.
int runLogged(sqlite3 *handle, const QString &statement, const QVariantList *values, DbRows *rows)
{
    int rc;
    QString error;
    if (values) {
        rc = runBound(handle, statement, *values, rows, error);
    } else {
        char *message = nullptr;
        rc = sqlite3_exec(handle, statement.toUtf8().constData(), rows ? rowCallback : nullptr, rows, &message);
        if (rc != SQLITE_OK)
            error = message ? QString::fromUtf8(message) : errorText(handle);
        sqlite3_free(message);
    }
    if (rc != SQLITE_OK)
        logFailure(statement, error);
    return rc;
}

// An update's failure is logged once more as such. Caller holds the mutex.
int updateLogged(sqlite3 *handle, const QString &statement, const QVariantList *values)
{
    const int rc = runLogged(handle, statement, values, nullptr);
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
    c.openResult = rc;
    return rc;
}

int db_close()
{
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
    // A file deleted or replaced while open takes no more writes.
    int moved = 0;
    if (sqlite3_file_control(c.handle, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        return SQLITE_READONLY_DBMOVED;
    sqlite3_busy_timeout(c.handle, 0);
    const int rc = sqlite3_exec(c.handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        sqlite3_exec(c.handle, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(c.handle, kBusyTimeoutMs);
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
