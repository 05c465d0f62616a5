#include "monitor/recordstore.h"

#include "base/log.h"
#include "db/database.h"

namespace {

const QString kInsertColumns =
    QStringLiteral("INSERT INTO orva_monitor_log (versionw3,log_time,inverter_id,state_code,err1,err2,err3,err4,"
                   "monitor_data,efficiency,sensor_value) VALUES(");
const QString kInsertReading = kInsertColumns + QStringLiteral("?,?,?,?,?,?,?,?,?,?,?)");
const QString kUpdateRow =
    QStringLiteral("UPDATE orva_inverter SET addr = ?, current_ver = ?, sequence_ver = ?, ac_power = ?, "
                   "dc_power = ?, efficiency = ?, vpv = ?, vac = ?, iac = ?, ipv = ?, total_power = ?, "
                   "output_time = ?, online = 1 WHERE sn_name = ?");
// The first columns of InverterRow::columns that an update leaves as they are.
constexpr int kIdentityColumns = 6;

// The log shows the statement with its values in place.
void logFailure(const Reading &reading, const QVariantList &values)
{
    QStringList text;
    for (const QVariant &value : values)
        text << value.toString();
    const QString shown = kInsertColumns +
                          QStringLiteral("%1,'%2',%3,%4,%5,%6,%7,%8,'%9',")
                              .arg(text[0], text[1], text[2], text[3], text[4], text[5], text[6], text[7], text[8]) +
                          QStringLiteral("%1,'%2')").arg(text[9], text[10]);
    const QString format = reading.errorEvent ? QStringLiteral("log monitor data fail, sn: %1, sql: %2")
                                              : QStringLiteral("log monitor data fail, sn %1, sql: %2");
    write_log(format.arg(reading.serial, shown));
}

} // namespace

void RecordStore::reset()
{
    QMutexLocker locker(&m_idMutex);
    m_ids.clear();
    m_shownOnline.clear();
}

int RecordStore::setAllRowsOffline()
{
    return db_exec(QStringLiteral("update orva_inverter set online = 0"));
}

int RecordStore::markAllOffline()
{
    const int rc = setAllRowsOffline();
    if (rc == 0)
        m_shownOnline.clear();
    return rc;
}

int RecordStore::writeRows(const QStringList &serials, const QHash<QString, InverterRow> &states, int &done)
{
    done = 0;
    int rc = 0;
    const DbRows existing = db_query(QStringLiteral("SELECT id,sn_name FROM orva_inverter"), {}, &rc);
    if (rc != 0) {
        // Without an answer a second row could be added for a serial.
        done = db_is_refusal(rc) ? 0 : int(serials.size());
        return db_is_refusal(rc) ? rc : 0;
    }
    QHash<QString, int> ids;
    for (const DbRow &row : existing) {
        if (!ids.contains(row.value(QStringLiteral("sn_name"))))
            ids.insert(row.value(QStringLiteral("sn_name")), row.value(QStringLiteral("id")).toInt());
    }
    // The rows that exist are updated in one transaction: one commit for the cycle.
    QList<QVariantList> updates;
    for (const QString &serial : serials) {
        const InverterRow &state = states[serial];
        if (!state.columns.isEmpty() && ids.contains(serial))
            updates << (state.columns.mid(kIdentityColumns) << serial);
    }
    const QList<int> results = db_exec_each(kUpdateRow, updates);
    for (int result : results) {
        if (db_is_refusal(result))
            return result;
    }
    for (int updated = 0; done < serials.size(); ++done) {
        const QString &serial = serials[done];
        const InverterRow &state = states[serial];
        if (!state.columns.isEmpty()) {
            rc = ids.contains(serial) ? results.value(updated++) : insertRow(state.columns);
            if (db_is_refusal(rc))
                return rc;
            if (rc != 0)
                write_log(ids.contains(serial)
                              ? QStringLiteral("[SQL]db_work() - update fail - QPollingThread::db_work")
                              : QStringLiteral("insert fail - QPollingThread::db_work"));
            else
                m_shownOnline.insert(serial);
            // A new row's id is asked for when a reading needs it.
            setId(serial, ids.value(serial, -1));
        }
        // Rows that this run has not shown online are offline already.
        if (!state.online && m_shownOnline.contains(serial)) {
            rc = markOffline(serial);
            if (db_is_refusal(rc))
                return rc;
        }
    }
    return 0;
}

int RecordStore::insertRow(const QVariantList &columns)
{
    return db_exec(
        QStringLiteral("INSERT INTO orva_inverter (brand_name,type_name,sn_name,versionw3,type_no,model_name_ee,"
                       "addr,current_ver,sequence_ver,ac_power,dc_power,efficiency,vpv,vac,iac,ipv,total_power,"
                       "output_time,online) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,1)"),
        columns);
}

int RecordStore::markOffline(const QString &serial)
{
    const int rc = db_exec(QStringLiteral("UPDATE orva_inverter SET online = 0 where sn_name = ?"), {serial});
    if (!db_is_refusal(rc))
        m_shownOnline.remove(serial);
    return rc;
}

int RecordStore::writeReadings(const QList<Reading> &readings, int &refusal)
{
    refusal = 0;
    QList<int> ids;
    for (const Reading &reading : readings) {
        ids << inverterId(reading.serial);
        if (ids.last() < 0)
            ids.last() = queryId(reading.serial, refusal);
        if (db_is_refusal(refusal))
            return 0;
    }
    QList<QVariantList> rows;
    QList<int> rowOf; // per reading: its index in rows, or -1 when it has no inverter row
    for (int i = 0; i < readings.size(); ++i) {
        if (ids[i] < 0) {
            write_log(QStringLiteral("[Sql]save_monitor_data() device is disconnected"));
            rowOf << -1;
            continue;
        }
        rowOf << rows.size();
        rows << readings[i].values(ids[i]);
    }
    refusal = 0;
    const QList<int> results = db_exec_each(kInsertReading, rows);
    int done = 0;
    for (; done < rowOf.size(); ++done) {
        const int row = rowOf[done];
        const int rc = row < 0 ? 0 : results.value(row);
        if (db_is_refusal(rc)) {
            refusal = rc;
            break;
        }
        if (rc != 0)
            logFailure(readings[done], rows[row]);
    }
    return done;
}

int RecordStore::inverterId(const QString &serial) const
{
    QMutexLocker locker(&m_idMutex);
    return m_ids.value(serial, -1);
}

int RecordStore::queryId(const QString &serial, int &resultCode)
{
    int id = -1;
    const DbRows rows =
        db_query(QStringLiteral("SELECT id FROM orva_inverter WHERE sn_name = ?"), {serial}, &resultCode);
    bool ok = false;
    if (!rows.isEmpty())
        id = rows.first().value(QStringLiteral("id")).toInt(&ok);
    setId(serial, ok ? id : -1);
    return ok ? id : -1;
}

void RecordStore::setId(const QString &serial, int id)
{
    QMutexLocker locker(&m_idMutex);
    if (id < 0)
        m_ids.remove(serial);
    else
        m_ids.insert(serial, id);
}
