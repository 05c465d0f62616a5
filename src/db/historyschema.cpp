#include "db/historyschema.h"

#include "base/clock.h"
#include "base/log.h"
#include "db/boundstatement.h"
#include "db/database.h"
#include "db/readconnection.h"
#include "historysql.h"

#include <QElapsedTimer>
#include <QFile>

#include <sqlite3.h>

namespace {

// Longer than the longest step of SQLite's busy wait (100 ms).
constexpr int kPauseMs = 150;
constexpr int kBusyTimeoutMs = 5000;

// The readings still to count while the summary is made: ids next_id to last_id.
const QString kFillTable = QStringLiteral("orva_power_hour_fill");

const QString kSummaryState =
    QStringLiteral("SELECT (SELECT count(*) FROM sqlite_master WHERE name = 'orva_power_hour') AS made, "
                   "(SELECT count(*) FROM sqlite_master WHERE name = 'orva_power_hour_fill') AS filling");

bool isTrue(const DbRows &rows, const char *column)
{
    return rows.value(0).value(QLatin1String(column)).toInt() > 0;
}

// Another connection holds the database for now.
bool isBusy(int rc)
{
    return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED;
}

// The fill's own connection to the program's database: its transactions never
// take in a statement of another thread, and its waits hold nobody's lock.
class FillConnection
{
public:
    FillConnection()
    {
        if (sqlite3_open_v2(QFile::encodeName(db_path()).constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK)
            sqlite3_busy_timeout(m_handle, kBusyTimeoutMs);
        else
            close();
    }
    ~FillConnection() { close(); }
    FillConnection(const FillConnection &) = delete;
    FillConnection &operator=(const FillConnection &) = delete;

    bool isOpen() const { return m_handle != nullptr; }

    // One statement (several without values), its failure logged unless another
    // connection holds the database (waited for, and logged once, by the fill).
    int exec(const QString &statement, const QVariantList &values = {}, DbRows *rows = nullptr)
    {
        QString error;
        int rc;
        if (values.isEmpty() && !rows) {
            rc = sqlite3_exec(m_handle, statement.toUtf8().constData(), nullptr, nullptr, nullptr);
            if (rc != SQLITE_OK)
                error = BoundStatement::errorText(m_handle);
        } else {
            rc = BoundStatement::run(m_handle, statement, values, rows, error);
        }
        if (rc != SQLITE_OK && !isBusy(rc))
            BoundStatement::logFailure(statement, error);
        return rc;
    }
    DbRows query(const QString &statement, int *rc)
    {
        DbRows rows;
        *rc = exec(statement, {}, &rows);
        return rows;
    }

private:
    void close()
    {
        sqlite3_close_v2(m_handle);
        m_handle = nullptr;
    }

    sqlite3 *m_handle = nullptr;
};

// A write transaction: begins at once or fails, rolls back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(FillConnection &connection)
        : m_connection(connection)
        , m_result(connection.exec(QStringLiteral("BEGIN IMMEDIATE")))
    {}
    ~WriteTransaction()
    {
        if (m_result == SQLITE_OK && !m_committed)
            m_connection.exec(QStringLiteral("ROLLBACK"));
    }
    // The SQLite result code of BEGIN.
    int result() const { return m_result; }
    int commit()
    {
        const int rc = m_connection.exec(QStringLiteral("COMMIT"));
        m_committed = rc == SQLITE_OK;
        return rc;
    }

private:
    FillConnection &m_connection;
    int m_result;
    bool m_committed = false;
};

// The summary, its triggers and the fill's state at once: the readings up to
// last_id are the fill's to count, every later one the triggers'.
int makeSummary(FillConnection &connection)
{
    WriteTransaction transaction(connection);
    int rc = transaction.result();
    if (rc != SQLITE_OK)
        return rc;
    if (isTrue(connection.query(kSummaryState, &rc), "made") || rc != SQLITE_OK)
        return rc; // made by another program meanwhile, or the state unreadable
    rc = connection.exec(QString::fromUtf8(kHistorySql));
    if (rc == SQLITE_OK)
        rc = connection.exec(QStringLiteral("CREATE TABLE %1 (next_id INTEGER, last_id INTEGER)").arg(kFillTable));
    if (rc == SQLITE_OK)
        rc = connection.exec(
            QStringLiteral("INSERT INTO %1 SELECT 1, ifnull(max(id), 0) FROM orva_monitor_log").arg(kFillTable));
    return rc == SQLITE_OK ? transaction.commit() : rc;
}

// Counts the next chunk of existing readings in, or ends the fill when none are
// left (done). The state is read inside the transaction, so that two programs
// starting together never count a chunk twice. counted and total: the fill's
// ids. The SQLite result code.
int fillChunk(FillConnection &connection, int chunk, bool &done, qint64 &counted, qint64 &total)
{
    WriteTransaction transaction(connection);
    int rc = transaction.result();
    const DbRows state = rc == SQLITE_OK
                             ? connection.query(QStringLiteral("SELECT next_id, last_id FROM %1").arg(kFillTable), &rc)
                             : DbRows();
    if (rc != SQLITE_OK || state.isEmpty()) {
        done = rc == SQLITE_OK; // finished by another program
        return rc;
    }
    const qint64 next = state.value(0).value(QStringLiteral("next_id")).toLongLong();
    total = state.value(0).value(QStringLiteral("last_id")).toLongLong();
    done = next > total;
    counted = done ? total : qMin(total, next + chunk - 1);
    if (done)
        rc = connection.exec(QStringLiteral("DROP TABLE %1").arg(kFillTable));
    else
        rc = connection.exec(QStringLiteral("INSERT INTO orva_power_hour (inverter_id, hour, samples, power_sum) "
                                            "SELECT inverter_id, hour, count(*), sum(power) FROM orva_monitor_power "
                                            "WHERE id BETWEEN ? AND ? GROUP BY inverter_id, hour "
                                            "ON CONFLICT (inverter_id, hour) DO UPDATE SET samples = samples + "
                                            "excluded.samples, power_sum = power_sum + excluded.power_sum"),
                             {next, counted});
    if (rc == SQLITE_OK && !done)
        rc = connection.exec(QStringLiteral("UPDATE %1 SET next_id = ?").arg(kFillTable), {counted + 1});
    return rc == SQLITE_OK ? transaction.commit() : rc;
}

} // namespace

bool HistorySchema::needsFill()
{
    if (!db_is_open())
        return false;
    const DbRows state = ReadConnection::query(kSummaryState);
    return !isTrue(state, "made") || isTrue(state, "filling");
}

bool HistorySchema::ensure(int chunk, const Progress &progress)
{
    if (!needsFill())
        return db_is_open();
    FillConnection connection;
    if (!connection.isOpen()) {
        write_log(QStringLiteral("[DB] history summary not made: the database cannot be opened for it"));
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    qint64 counted = 0;
    qint64 total = 0;
    // A database held by another program is waited for as long as progress says to go on.
    const auto waitedFor = [&](int rc) { return isBusy(rc) && progress && progress(counted, total); };
    int rc;
    do
        rc = makeSummary(connection);
    while (waitedFor(rc));
    for (bool done = false; rc == SQLITE_OK && !done;) {
        rc = fillChunk(connection, chunk, done, counted, total);
        if (rc == SQLITE_OK && !done && progress && !progress(counted, total))
            return false; // the rest is for later
        if (waitedFor(rc))
            rc = SQLITE_OK;
        // SQLite's waiting is not fair: without a pause a writer beside this one
        // would miss every gap between two chunks until its timeout.
        if (!done)
            Clock::instance().sleepMs(kPauseMs);
    }
    if (rc != SQLITE_OK) {
        write_log(QStringLiteral("[DB] history summary not finished: %1").arg(db_result_text(rc)));
        return false;
    }
    write_log(QStringLiteral("[DB] history summary made in %1 ms").arg(timer.elapsed()));
    return true;
}

bool HistorySchema::hasPowerSummary()
{
    const DbRows state = ReadConnection::query(kSummaryState);
    return isTrue(state, "made") && !isTrue(state, "filling");
}
