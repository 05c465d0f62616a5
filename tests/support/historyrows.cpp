#include "support/historyrows.h"

#include "db/database.h"

#include <QStringList>
#include <QtTest>

namespace HistoryRows {

int addInverter(const QString &serial, int versionw3)
{
    db_exec(QStringLiteral("INSERT INTO orva_inverter (brand_name, sn_name, versionw3) VALUES ('LUMORA', ?, ?)"),
            {serial, versionw3});
    int id = 0;
    db_query_int(QStringLiteral("SELECT max(id) AS id FROM orva_inverter"), QStringLiteral("id"), id);
    return id;
}

QString monitorText(int count, int step)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::number((186 + i) * 10 + step);
    return parts.join(QLatin1Char(','));
}

void addReading(int inverter, int versionw3, const QString &time, const QList<int> &errors, const QString &monitor,
                const QString &sensors)
{
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_monitor_log (versionw3, log_time, inverter_id, state_code, err1, "
                                    "err2, err3, err4, monitor_data, efficiency, sensor_value) "
                                    "VALUES (?, ?, ?, 5, ?, ?, ?, ?, ?, 96.5, ?)"),
                     {versionw3, time, inverter, errors.value(0), errors.value(1), errors.value(2), errors.value(3),
                      monitor, sensors}),
             0);
}

void dropSummary()
{
    QCOMPARE(db_exec(QStringLiteral("DROP TRIGGER orva_power_hour_insert; DROP TRIGGER orva_power_hour_delete; "
                                    "DROP TRIGGER orva_power_hour_update; "
                                    "DROP VIEW orva_monitor_power; DROP TABLE orva_power_hour; "
                                    "DROP INDEX orva_monitor_log_errors")),
             0);
}

} // namespace HistoryRows
