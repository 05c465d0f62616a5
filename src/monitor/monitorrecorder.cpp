#include "monitor/monitorrecorder.h"

#include "base/clock.h"
#include "base/log.h"
#include "db/database.h"
#include "link/sensorlist.h"
#include "monitor/programstate.h"

namespace {

const QString kDisconnected = QStringLiteral("[Sql]save_monitor_data() device is disconnected");
const QString kInsertColumns =
    QStringLiteral("INSERT INTO orva_monitor_log (versionw3,log_time,inverter_id,state_code,err1,err2,err3,err4,"
                   "monitor_data,efficiency,sensor_value) VALUES(");
const QString kInsertReading = kInsertColumns + QStringLiteral("?,?,?,?,?,?,?,?,?,?,?)");

QString now(const char *format)
{
    return Clock::instance().now().toString(QLatin1String(format));
}

// "%f" of the recorded reals: six decimals, as the rows have always held them.
QString sixDecimals(double value)
{
    return QString::asprintf("%f", value);
}

// The register words 186 up to 270 (215 for USA1), decimal, joined by ",".
// Register 270 is the first word of the device-information block.
QString monitorDataText(const DeviceRecord &device)
{
    QStringList words;
    for (int reg = 186; reg <= (device.isUSA1Family() ? 215 : 270); ++reg)
        words << QString::number(device.word(reg));
    return words.join(QLatin1Char(','));
}

// The latest value of every configured sensor, joined by ",".
QString sensorValueText()
{
    QStringList values;
    for (double value : ProgramState::instance().sensors().latestValues())
        values << QString::number(value, 'g', 6);
    return values.join(QLatin1Char(','));
}

} // namespace

void MonitorRecorder::markOffline(const QString &serial)
{
    if (serial.trimmed().isEmpty())
        return; // no row of its own
    db_exec(QStringLiteral("UPDATE orva_inverter SET online = 0 where sn_name = ?"), {serial});
}

void MonitorRecorder::updateInverterRow(DeviceRecord &device)
{
    // A record whose serial text never arrived has no row to keep: an empty key
    // would match every row.
    if (device.sn_name.trimmed().isEmpty())
        return;
    int found = 0;
    const DbRows rows =
        db_query(QStringLiteral("select * from orva_inverter where sn_name = ? "), {device.sn_name}, &found);
    if (found != 0)
        return; // without an answer a second row could be added for the same serial
    if (rows.isEmpty()) {
        const int rc = db_exec(
            QStringLiteral("INSERT INTO orva_inverter (brand_name,type_name,sn_name,versionw3,type_no,model_name_ee,"
                           "addr,current_ver,sequence_ver,ac_power,dc_power,efficiency,vpv,vac,iac,ipv,total_power,"
                           "output_time,online) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,1)"),
            {device.brand_name, device.type_name, device.sn_name, device.versionw3, device.type_no,
             device.model_name_ee, int(device.addr), device.current_ver, device.sequence_ver, device.ac_power,
             device.dc_power, sixDecimals(device.efficiency), sixDecimals(device.vpv), sixDecimals(device.vac),
             sixDecimals(device.iac), sixDecimals(device.ipv), sixDecimals(device.total_power), device.output_time});
        if (rc != 0)
            write_log(QStringLiteral("insert fail - QPollingThread::db_work"));
        else
            device.inverter_id = -1; // a row deleted meanwhile has a new id now
        return;
    }
    const int rc = db_exec(
        QStringLiteral("UPDATE orva_inverter SET addr = ?, current_ver = ?, sequence_ver = ?, ac_power = ?, "
                       "dc_power = ?, efficiency = ?, vpv = ?, vac = ?, iac = ?, ipv = ?, total_power = ?, "
                       "output_time = ?, online = 1 WHERE sn_name = ?"),
        {int(device.addr), device.current_ver, device.sequence_ver, device.ac_power, device.dc_power,
         sixDecimals(device.efficiency), sixDecimals(device.vpv), sixDecimals(device.vac), sixDecimals(device.iac),
         sixDecimals(device.ipv), sixDecimals(device.total_power), device.output_time, device.sn_name});
    if (rc != 0)
        write_log(QStringLiteral("[SQL]db_work() - update fail - QPollingThread::db_work"));
}

void MonitorRecorder::resolveInverterIds(const QList<QDevice *> &devices)
{
    bool unresolved = false;
    for (QDevice *device : devices)
        unresolved = unresolved || device->inverter_id == -1;
    if (!unresolved)
        return;
    const DbRows rows = db_query(QStringLiteral("SELECT id,sn_name FROM orva_inverter"));
    for (QDevice *device : devices) {
        if (device->inverter_id != -1 || device->sn_name.trimmed().isEmpty())
            continue;
        // The row of exactly this serial: a serial that merely contains another
        // inverter's would take that inverter's id.
        const DbRow *match = nullptr;
        for (const DbRow &row : rows) {
            if (row.value(QStringLiteral("sn_name")).trimmed() == device->sn_name.trimmed()) {
                match = &row;
                break;
            }
        }
        bool ok = false;
        const int id = match ? match->value(QStringLiteral("id")).toInt(&ok) : 0;
        if (ok)
            device->inverter_id = id;
    }
}

void MonitorRecorder::recordReadings(const QList<QDevice *> &devices)
{
    // One transaction for the pass: one commit instead of one per row.
    QList<const QDevice *> recorded;
    QList<QVariantList> rows;
    for (const QDevice *device : devices) {
        if (device->isOffline() || device->inverter_id == -1) {
            write_log(kDisconnected);
            continue;
        }
        recorded << device;
        rows << readingValues(*device);
    }
    const QList<int> results = db_exec_each(kInsertReading, rows);
    for (int i = 0; i < recorded.size(); ++i) {
        if (results.value(i) != 0)
            logFailure(*recorded[i], rows[i], QStringLiteral("log monitor data fail, sn %1, sql: %2"));
    }
}

void MonitorRecorder::recordErrors(const QList<QDevice *> &devices)
{
    for (QDevice *device : devices) {
        if (!device->hasError()) {
            device->clearLastErrors(); // the error words, all 0, become the last ones
            continue;
        }
        if (device->isOffline() || device->inverter_id == -1) {
            write_log(kDisconnected);
            continue;
        }
        const ErrorWords last = device->lastErrorWords();
        const bool began = last.isClear();
        const bool changed = device->errorWords() != last;
        device->keepErrorWords();
        const QString hour = now("yyyy-MM-dd-hh");
        if (began) {
            device->last_record_hour = hour;
        } else if (!changed) {
            if (hour == device->last_record_hour)
                continue;
            device->last_record_hour = hour;
        }
        record(*device, QStringLiteral("log monitor data fail, sn: %1, sql: %2"));
    }
}

void MonitorRecorder::record(const DeviceRecord &device, const QString &failureFormat)
{
    const QVariantList values = readingValues(device);
    if (db_exec(kInsertReading, values) != 0)
        logFailure(device, values, failureFormat);
}

QVariantList MonitorRecorder::readingValues(const DeviceRecord &device)
{
    return {device.versionw3,        now("yyyy-MM-dd hh:mm:ss"),
            device.inverter_id,      int(device.state_code),
            int(device.err1),        int(device.err2),
            int(device.err3),        int(device.err4),
            monitorDataText(device), sixDecimals(device.efficiency),
            sensorValueText()};
}

// The log shows the statement with its values in place.
void MonitorRecorder::logFailure(const DeviceRecord &device, const QVariantList &values, const QString &failureFormat)
{
    QStringList text;
    for (const QVariant &value : values)
        text << value.toString();
    const QString shown = kInsertColumns +
                          QStringLiteral("%1,'%2',%3,%4,%5,%6,%7,%8,'%9',")
                              .arg(text[0], text[1], text[2], text[3], text[4], text[5], text[6], text[7], text[8]) +
                          QStringLiteral("%1,'%2')").arg(text[9], text[10]);
    write_log(failureFormat.arg(device.sn_name, shown));
}
