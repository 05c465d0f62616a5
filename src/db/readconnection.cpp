#include "db/readconnection.h"

#include "db/boundstatement.h"

#include <QFile>
#include <QMutex>

#include <sqlite3.h>

namespace {

struct Reader
{
    QMutex mutex; // held for every use of the handle
    sqlite3 *handle = nullptr;
    quint64 generation = 0; // counts the closes: a cursor of an earlier connection stops
};

Reader &reader()
{
    static Reader r;
    return r;
}

constexpr int kBusyTimeoutMs = 5000;

// A cursor still open keeps the old connection until it finishes. Caller holds the mutex.
void closeLocked(Reader &r)
{
    if (!r.handle)
        return;
    sqlite3_close_v2(r.handle);
    r.handle = nullptr;
    ++r.generation;
}

} // namespace

int ReadConnection::open(const QString &path)
{
    Reader &r = reader();
    QMutexLocker locker(&r.mutex);
    closeLocked(r);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &r.handle,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr);
    sqlite3_busy_timeout(r.handle, kBusyTimeoutMs);
    return rc;
}

void ReadConnection::close()
{
    Reader &r = reader();
    QMutexLocker locker(&r.mutex);
    closeLocked(r);
}

DbRows ReadConnection::query(const QString &statement, const QVariantList &values, int *resultCode)
{
    DbRows rows;
    ReadCursor cursor(statement, values);
    while (cursor.next())
        rows.append(cursor.row());
    if (resultCode)
        *resultCode = cursor.resultCode();
    return rows;
}

ReadCursor::ReadCursor(const QString &statement, const QVariantList &values)
    : m_statement(statement)
{
    Reader &r = reader();
    QMutexLocker locker(&r.mutex);
    if (!r.handle)
        return;
    m_generation = r.generation;
    QString error;
    m_resultCode = BoundStatement::prepare(r.handle, statement, values, &m_prepared, error);
    if (m_resultCode != SQLITE_OK)
        BoundStatement::logFailure(statement, error);
}

ReadCursor::~ReadCursor()
{
    finish();
}

bool ReadCursor::next()
{
    if (!m_prepared)
        return false;
    Reader &r = reader();
    QMutexLocker locker(&r.mutex);
    if (r.generation != m_generation) {
        locker.unlock();
        finish();
        return false;
    }
    const int step = sqlite3_step(m_prepared);
    if (step == SQLITE_ROW)
        return true;
    if (step != SQLITE_DONE) {
        m_resultCode = step;
        BoundStatement::logFailure(m_statement, BoundStatement::errorText(sqlite3_db_handle(m_prepared)));
    }
    locker.unlock();
    finish();
    return false;
}

void ReadCursor::finish()
{
    if (!m_prepared)
        return;
    QMutexLocker locker(&reader().mutex);
    sqlite3_finalize(m_prepared);
    m_prepared = nullptr;
}

QByteArray ReadCursor::bytes(int column) const
{
    if (!m_prepared)
        return QByteArray();
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_prepared, column));
    return QByteArray(text, text ? sqlite3_column_bytes(m_prepared, column) : 0);
}

QString ReadCursor::text(int column) const
{
    return QString::fromUtf8(bytes(column));
}

qint64 ReadCursor::integer(int column) const
{
    return m_prepared ? sqlite3_column_int64(m_prepared, column) : 0;
}

double ReadCursor::real(int column) const
{
    return m_prepared ? sqlite3_column_double(m_prepared, column) : 0.0;
}

DbRow ReadCursor::row() const
{
    return m_prepared ? BoundStatement::row(m_prepared) : DbRow();
}
