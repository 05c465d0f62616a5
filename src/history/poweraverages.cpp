#include "history/poweraverages.h"

#include "db/historyschema.h"
#include "db/readconnection.h"
#include "device/devicefamily.h"

namespace {

const QString kInverterId = QStringLiteral("(SELECT id FROM orva_inverter WHERE sn_name = ?)");

// Where a key sits in "yyyy-MM-dd hh": the hour, the day, the month (1-based for substr).
int keyPosition(PowerAverages::Kind kind)
{
    switch (kind) {
    case PowerAverages::Hours:
        return 12;
    case PowerAverages::Days:
        return 9;
    case PowerAverages::Months:
        return 6;
    }
    return 12;
}

// Sums and counts per key into averages; keys outside the bars are left out.
QVector<double> averagesOf(PowerAverages::Kind kind, const QVector<qint64> &sums, const QVector<qint64> &counts)
{
    QVector<double> averages(PowerAverages::barCount(kind), 0.0);
    for (int key = 0; key < averages.size(); ++key) {
        if (counts[key] > 0)
            averages[key] = double(sums[key]) / double(counts[key]);
    }
    return averages;
}

double part(const QVector<QStringRef> &parts, int index)
{
    return index < parts.size() ? parts.at(index).toDouble() : 0.0;
}

} // namespace

int PowerAverages::barCount(Kind kind)
{
    switch (kind) {
    case Hours:
        return 24;
    case Days:
        return 32;
    case Months:
        return 13;
    }
    return 0;
}

QVector<double> PowerAverages::compute(Kind kind, const QString &serial, const QString &start, const QString &end)
{
    return HistorySchema::hasPowerSummary() ? fromSummary(kind, serial, start, end)
                                            : fromReadings(kind, serial, start, end);
}

QVector<double> PowerAverages::fromSummary(Kind kind, const QString &serial, const QString &start, const QString &end)
{
    // The period is whole days, so whole clock hours: an hour lies in it when its date does.
    ReadCursor cursor(QStringLiteral("SELECT CAST(substr(hour, %1, 2) AS INTEGER) AS k, sum(samples), sum(power_sum) "
                                     "FROM orva_power_hour WHERE inverter_id = %2 AND hour BETWEEN ? AND ? GROUP BY k")
                          .arg(keyPosition(kind))
                          .arg(kInverterId),
                      {serial, start.left(13), end.left(13)});
    const int bars = barCount(kind);
    QVector<qint64> sums(bars, 0);
    QVector<qint64> counts(bars, 0);
    while (cursor.next()) {
        const qint64 key = cursor.integer(0);
        if (key < 0 || key >= bars)
            continue;
        counts[int(key)] = cursor.integer(1);
        sums[int(key)] = cursor.integer(2);
    }
    return averagesOf(kind, sums, counts);
}

QVector<double> PowerAverages::fromReadings(Kind kind, const QString &serial, const QString &start, const QString &end)
{
    ReadCursor cursor(QStringLiteral("SELECT versionw3, log_time, monitor_data FROM orva_monitor_log "
                                     "WHERE inverter_id = %1 AND log_time BETWEEN ? AND ?")
                          .arg(kInverterId),
                      {serial, start, end});
    const int bars = barCount(kind);
    QVector<qint64> sums(bars, 0);
    QVector<qint64> counts(bars, 0);
    while (cursor.next()) {
        const QString data = cursor.text(2);
        const QVector<QStringRef> parts = data.splitRef(QLatin1Char(','));
        // Registers 194, 197 and 200 are parts 8, 11 and 14; register 189 is part 3.
        const double power =
            isUSA1Family(int(cursor.integer(0))) ? part(parts, 11) + part(parts, 8) + part(parts, 14) : part(parts, 3);
        // "yyyy-MM-dd hh:mm:ss": date and time at the blank, then at "-" and ":".
        const QString time = cursor.text(1);
        const QStringList dateTime = time.split(QLatin1Char(' '));
        const QStringList date = dateTime.value(0).split(QLatin1Char('-'));
        int key = -1;
        if (kind == Hours)
            key = dateTime.value(1).split(QLatin1Char(':')).value(0).toInt();
        else
            key = date.value(kind == Days ? 2 : 1).toInt();
        if (key < 0 || key >= bars)
            continue;
        sums[key] += qint64(power);
        ++counts[key];
    }
    return averagesOf(kind, sums, counts);
}
