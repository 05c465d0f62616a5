#include "monitor/monitorrecorder.h"

#include "base/clock.h"
#include "base/log.h"
#include "link/sensorlist.h"
#include "monitor/databasewriter.h"
#include "monitor/programstate.h"

namespace {

const QString kDisconnected = QStringLiteral("[Sql]save_monitor_data() device is disconnected");

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
QByteArray monitorDataText(const DeviceRecord &device)
{
    QByteArray words;
    for (int reg = 186; reg <= (device.isUSA1Family() ? 215 : 270); ++reg) {
        if (!words.isEmpty())
            words += ',';
        words += QByteArray::number(device.word(reg));
    }
    return words;
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

MonitorRecorder::MonitorRecorder(DatabaseWriter &writer)
    : m_writer(writer)
{}

bool MonitorRecorder::canRecord(const DeviceRecord &device)
{
    return !device.isOffline() && !device.sn_name.trimmed().isEmpty();
}

void MonitorRecorder::markOffline(const QString &serial)
{
    if (!serial.trimmed().isEmpty()) // no row of its own
        m_writer.storeOffline(serial);
}

void MonitorRecorder::updateInverterRow(const DeviceRecord &device)
{
    // A record whose serial text never arrived has no row to keep: an empty key
    // would match every row.
    if (device.sn_name.trimmed().isEmpty())
        return;
    m_writer.storeRow(device.sn_name,
                      {device.brand_name, device.type_name, device.sn_name, device.versionw3, device.type_no,
                       device.model_name_ee, int(device.addr), device.current_ver, device.sequence_ver, device.ac_power,
                       device.dc_power, sixDecimals(device.efficiency), sixDecimals(device.vpv),
                       sixDecimals(device.vac), sixDecimals(device.iac), sixDecimals(device.ipv),
                       sixDecimals(device.total_power), device.output_time});
}

void MonitorRecorder::resolveInverterIds(const QList<QDevice *> &devices)
{
    for (QDevice *device : devices)
        device->inverter_id = m_writer.inverterId(device->sn_name);
}

void MonitorRecorder::recordReadings(const QList<QDevice *> &devices)
{
    QList<Reading> readings;
    for (const QDevice *device : devices) {
        if (canRecord(*device))
            readings << reading(*device, false);
        else
            write_log(kDisconnected);
    }
    m_writer.storeReadings(readings);
}

void MonitorRecorder::recordErrors(const QList<QDevice *> &devices)
{
    QList<Reading> readings;
    for (QDevice *device : devices) {
        if (!device->hasError()) {
            device->clearLastErrors(); // the error words, all 0, become the last ones
            continue;
        }
        if (!canRecord(*device)) {
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
        readings << reading(*device, true);
    }
    m_writer.storeReadings(readings);
}

Reading MonitorRecorder::reading(const DeviceRecord &device, bool errorEvent)
{
    Reading taken;
    taken.serial = device.sn_name;
    taken.versionw3 = device.versionw3;
    taken.logTime = now("yyyy-MM-dd hh:mm:ss");
    taken.stateCode = device.state_code;
    taken.errors = {device.err1, device.err2, device.err3, device.err4};
    taken.monitorData = monitorDataText(device);
    taken.efficiency = sixDecimals(device.efficiency);
    taken.sensorValue = sensorValueText();
    taken.errorEvent = errorEvent;
    return taken;
}
