#include "db/historyschema.h"

#include "base/clock.h"
#include "base/log.h"
#include "db/database.h"
#include "db/readconnection.h"
#include "historysql.h"

#include <QElapsedTimer>

namespace {

// The readings still to count while the summary is made: ids next_id to last_id.
// Longer than the longest step of SQLite's busy wait (100 ms).
constexpr int kPauseMs = 150;

const QString kFillTable = QStringLiteral("orva_power_hour_fill");

const QString kSummaryState =
    QStringLiteral("SELECT (SELECT count(*) FROM sqlite_master WHERE name = 'orva_power_hour') AS made, "
                   "(SELECT count(*) FROM sqlite_master WHERE name = 'orva_power_hour_fill') AS filling");

bool isTrue(const DbRows &rows, const char *column)
{
    return rows.value(0).value(QLatin1String(column)).toInt() > 0;
}

// A write transaction: begins at once or fails, rolls back unless committed.
class WriteTransaction
{
public:
    WriteTransaction()
        : m_begun(db_exec(QStringLiteral("BEGIN IMMEDIATE")) == 0)
    {}
    ~WriteTransaction()
    {
        if (m_begun && !m_committed)
            db_exec(QStringLiteral("ROLLBACK"));
    }
    bool begun() const { return m_begun; }
    bool commit() { return m_committed = db_exec(QStringLiteral("COMMIT")) == 0; }

private:
    bool m_begun;
    bool m_committed = false;
};

// Counts the next chunk of existing readings in, or ends the fill when none are
// left (done). The state is read inside the transaction, so that two programs
// starting together never count a chunk twice. False when it fails.
bool fillChunk(int chunk, bool &done)
{
    WriteTransaction transaction;
    if (!transaction.begun())
        return false;
    const DbRows state = db_query(QStringLiteral("SELECT next_id, last_id FROM %1").arg(kFillTable));
    if (state.isEmpty()) {
        done = true; // finished by another program
        return true;
    }
    const qint64 next = state.value(0).value(QStringLiteral("next_id")).toLongLong();
    const qint64 last = state.value(0).value(QStringLiteral("last_id")).toLongLong();
    done = next > last;
    if (done)
        return db_exec(QStringLiteral("DROP TABLE %1").arg(kFillTable)) == 0 && transaction.commit();
    const qint64 to = qMin(last, next + chunk - 1);
    return db_exec(QStringLiteral("INSERT INTO orva_power_hour (inverter_id, hour, samples, power_sum) "
                                  "SELECT inverter_id, hour, count(*), sum(power) FROM orva_monitor_power "
                                  "WHERE id BETWEEN ? AND ? GROUP BY inverter_id, hour "
                                  "ON CONFLICT (inverter_id, hour) DO UPDATE SET samples = samples + "
                                  "excluded.samples, power_sum = power_sum + excluded.power_sum"),
                   {next, to}) == 0 &&
           db_exec(QStringLiteral("UPDATE %1 SET next_id = ?").arg(kFillTable), {to + 1}) == 0 && transaction.commit();
}

// The summary, its triggers and the fill's state at once: the readings up to
// last_id are the fill's to count, every later one the triggers'.
bool makeSummary()
{
    WriteTransaction transaction;
    if (!transaction.begun())
        return false;
    if (isTrue(db_query(kSummaryState), "made"))
        return true; // made by another program meanwhile
    return db_exec(QString::fromUtf8(kHistorySql)) == 0 &&
           db_exec(QStringLiteral("CREATE TABLE %1 (next_id INTEGER, last_id INTEGER)").arg(kFillTable)) == 0 &&
           db_exec(
               QStringLiteral("INSERT INTO %1 SELECT 1, ifnull(max(id), 0) FROM orva_monitor_log").arg(kFillTable)) ==
               0 &&
           transaction.commit();
}

} // namespace

bool HistorySchema::ensure(int chunk)
{
    if (!db_is_open())
        return false;
    const DbRows state = db_query(kSummaryState);
    if (isTrue(state, "made") && !isTrue(state, "filling"))
        return true;
    QElapsedTimer timer;
    timer.start();
    if (!isTrue(state, "made") && !makeSummary())
        return false;
    for (bool done = false; !done;) {
        if (!fillChunk(chunk, done))
            return false;
        // SQLite's waiting is not fair: without a pause a writer beside this one
        // would miss every gap between two chunks until its timeout.
        Clock::instance().sleepMs(kPauseMs);
    }
    write_log(QStringLiteral("[DB] history summary made in %1 ms").arg(timer.elapsed()));
    return true;
}

bool HistorySchema::hasPowerSummary()
{
    const DbRows state = ReadConnection::query(kSummaryState);
    return isTrue(state, "made") && !isTrue(state, "filling");
}
