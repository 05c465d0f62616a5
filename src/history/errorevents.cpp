#include "history/errorevents.h"

#include "db/readconnection.h"

namespace {

// The statement keeps its runs of tabs: it is logged as it stands when it fails.
const QString kEventQuery = QStringLiteral(
    "SELECT inv.versionw3, inv.sn_name, log.log_time, log.state_code, \t\t\t\t  log.err1, log.err2, log.err3, "
    "log.err4 \t\t\t\t  FROM orva_monitor_log log, orva_inverter inv WHERE log.inverter_id = \t\t\t\t  (SELECT id "
    "FROM orva_inverter WHERE sn_name = ?1) AND inv.id =  \t\t\t\t  (SELECT id FROM orva_inverter WHERE sn_name = "
    "?1) AND \t\t\t\t  log_time BETWEEN ?2 and ?3 AND \t\t\t\t  (log.err1 != 0 OR log.err2 != 0 OR log.err3 != 0 "
    "OR log.err4 != 0) \t\t\t\t   limit 20000");

QString errorWordText(const QByteArray &stored)
{
    return QString::number(stored.toLongLong(), 16) + QStringLiteral(" H");
}

} // namespace

QVector<QStringList> ErrorEvents::query(const QString &serial, const HistoryPeriod &period)
{
    ReadCursor cursor(kEventQuery, {serial, period.start, period.end});
    QVector<QStringList> rows;
    while (cursor.next()) {
        // The cursor's columns: versionw3, sn_name, then the rows' own.
        QStringList cells;
        for (int column = 0; column < kColumns; ++column) {
            const QByteArray stored = cursor.bytes(column + 2);
            cells << (column < kFirstErrorColumn ? QString::fromUtf8(stored) : errorWordText(stored));
        }
        rows << cells;
    }
    return rows;
}

int ErrorEvents::errorWord(const QString &text)
{
    return QString(text).remove(QLatin1Char('H')).trimmed().toInt(nullptr, 16);
}

int ErrorEvents::familyOf(const QString &serial)
{
    return ReadConnection::query(QStringLiteral("SELECT versionw3 FROM orva_inverter WHERE sn_name = ?"), {serial})
        .value(0)
        .value(QStringLiteral("versionw3"))
        .toInt();
}
