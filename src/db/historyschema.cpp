#include "db/historyschema.h"

#include "base/log.h"
#include "db/database.h"
#include "db/readconnection.h"
#include "historysql.h"

#include <QElapsedTimer>

namespace {

const QString kHasSummary =
    QStringLiteral("SELECT count(*) AS n FROM sqlite_master WHERE type = 'table' AND name = 'orva_power_hour'");

bool summaryPresent()
{
    int n = 0;
    return db_query_int(kHasSummary, QStringLiteral("n"), n) && n > 0;
}

} // namespace

bool HistorySchema::ensure()
{
    if (!db_is_open())
        return false;
    if (summaryPresent())
        return true;
    QElapsedTimer timer;
    timer.start();
    // Immediate: a second program starting beside this one waits, then finds it made.
    if (db_exec(QStringLiteral("BEGIN IMMEDIATE")) != 0)
        return false;
    if (summaryPresent())
        return db_exec(QStringLiteral("COMMIT")) == 0;
    const bool made = db_exec(QString::fromUtf8(kHistorySql)) == 0 &&
                      db_exec(QStringLiteral("INSERT INTO orva_power_hour (inverter_id, hour, samples, power_sum) "
                                             "SELECT inverter_id, hour, count(*), sum(power) FROM orva_monitor_power "
                                             "GROUP BY inverter_id, hour")) == 0 &&
                      db_exec(QStringLiteral("COMMIT")) == 0;
    if (!made) {
        db_exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    int readings = 0;
    db_query_int(QStringLiteral("SELECT sum(samples) AS n FROM orva_power_hour"), QStringLiteral("n"), readings);
    write_log(QStringLiteral("[DB] history summary made from %1 readings in %2 ms").arg(readings).arg(timer.elapsed()));
    return true;
}

bool HistorySchema::hasPowerSummary()
{
    return ReadConnection::query(kHasSummary).value(0).value(QStringLiteral("n")).toInt() > 0;
}
