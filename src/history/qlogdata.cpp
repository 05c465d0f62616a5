#include "history/qlogdata.h"

#include "db/readconnection.h"
#include "device/devicefamily.h"
#include "device/monitortables.h"

namespace {

// Readings after (?4, ?5) in the order of the index on inverter and time, so
// that each page starts where the last one ended without skipping rows.
const QString kReadings = QStringLiteral(
    "SELECT log.versionw3, log.log_time, log.id, log.state_code, log.err1, log.err2, log.err3, log.err4, "
    "log.monitor_data, log.sensor_value FROM orva_monitor_log log "
    "WHERE log.inverter_id = (SELECT id FROM orva_inverter WHERE sn_name = ?1) "
    "AND log.log_time BETWEEN ?2 AND ?3 AND (log.log_time > ?4 OR log.id > ?5) ORDER BY log.log_time, log.id");

constexpr int kFirstErrorColumn = 3;
constexpr int kFirstMonitorColumn = 7;
constexpr int kFirstSensorColumn = 92;
// Column c shows register c + 179.
constexpr int kRegisterOffset = 179;

// Part index of a list joined by ",", as a split would give it: an empty list
// has one empty part.
bool listPart(const QByteArray &list, int index, QByteArray &part)
{
    int from = 0;
    for (int i = 0; i < index; ++i) {
        from = list.indexOf(',', from);
        if (from < 0)
            return false;
        ++from;
    }
    const int to = list.indexOf(',', from);
    part = list.mid(from, to < 0 ? -1 : to - from);
    return true;
}

bool isSecondOrThirdString(int registerNo)
{
    return registerNo == 187 || registerNo == 188 || registerNo == 190 || registerNo == 191;
}

} // namespace

QLogData::QLogData(QObject *parent)
    : QAbstractTableModel(parent)
{
    loadSensorTexts();
}

void QLogData::loadSensorTexts()
{
    m_sensorHeaders.clear();
    m_sensorUnits.clear();
    for (const DbRow &row : ReadConnection::query(QStringLiteral("SELECT header, unit FROM sensor_setting"))) {
        m_sensorHeaders << row.value(QStringLiteral("header"));
        m_sensorUnits << row.value(QStringLiteral("unit"));
    }
}

void QLogData::query(const QString &serial, const QString &start, const QString &end)
{
    beginResetModel();
    m_serial = serial;
    m_start = start;
    m_end = end;
    m_rows.clear();
    loadSensorTexts();
    readPage(start.toUtf8(), -1, kPageRows, [this](const Reading &reading) { m_rows.append(reading); });
    m_more = m_rows.size() == kPageRows;
    // The first reading decides the register names.
    const int versionw3 = m_rows.isEmpty() ? 0 : m_rows.first().versionw3;
    m_usa1 = isUSA1Family(versionw3);
    m_singleString = familyOf(versionw3) == DeviceFamily::USA0;
    endResetModel();
}

void QLogData::clear()
{
    beginResetModel();
    m_rows.clear();
    m_rows.squeeze();
    m_more = false;
    m_singleString = false;
    endResetModel();
}

bool QLogData::readPage(const QByteArray &afterTime, qint64 afterId, int limit,
                        const std::function<void(const Reading &)> &visit) const
{
    ReadCursor cursor(kReadings, {m_serial, afterId < 0 ? m_start : QString::fromUtf8(afterTime), m_end,
                                  QString::fromUtf8(afterTime), afterId});
    for (int count = 0; (limit < 0 || count < limit) && cursor.next(); ++count) {
        Reading reading;
        reading.versionw3 = int(cursor.integer(0));
        reading.time = cursor.bytes(1);
        reading.id = cursor.integer(2);
        reading.state = cursor.bytes(3);
        for (int i = 0; i < 4; ++i)
            reading.errors[i] = cursor.integer(4 + i);
        reading.monitorData = cursor.bytes(8);
        reading.sensorValues = cursor.bytes(9);
        visit(reading);
    }
    return cursor.resultCode() == 0;
}

bool QLogData::forEachReading(const std::function<void(const Reading &)> &visit) const
{
    return readPage(m_start.toUtf8(), -1, -1, visit);
}

int QLogData::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int QLogData::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

bool QLogData::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void QLogData::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    QVector<Reading> page;
    page.reserve(kPageRows);
    const Reading &last = m_rows.last();
    const bool read =
        readPage(last.time, last.id, kPageRows, [&page](const Reading &reading) { page.append(reading); });
    m_more = read && page.size() == kPageRows;
    if (page.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size() + page.size() - 1);
    m_rows += page;
    endInsertRows();
}

QVariant QLogData::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    return cellText(m_rows.at(index.row()), index.column());
}

QVariant QLogData::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return headerText(section);
}

const MonitorData *QLogData::columnRegister(int column) const
{
    return monitorEntry(m_usa1 ? MonitorRegistersUSA1() : MonitorRegistersEUR(), column + kRegisterOffset);
}

QString QLogData::headerText(int column) const
{
    switch (column) {
    case 0:
        return tr("Time");
    case 1:
        return tr("SN_Name");
    case 2:
        return tr("State");
    default:
        break;
    }
    if (column < kFirstMonitorColumn)
        return tr("Err%1").arg(column - kFirstErrorColumn + 1);
    const MonitorData *entry = columnRegister(column);
    if (!entry)
        return tr("N/A");
    const int sensor = column - kFirstSensorColumn;
    return sensor >= 0 && sensor < m_sensorHeaders.size() ? m_sensorHeaders.at(sensor) : translatedName(*entry);
}

QString QLogData::cellText(const Reading &reading, int column) const
{
    switch (column) {
    case 0:
        return QString::fromUtf8(reading.time);
    case 1:
        return m_serial;
    case 2:
        return QString::fromUtf8(reading.state);
    default:
        break;
    }
    if (column < kFirstMonitorColumn)
        return QString::number(reading.errors[column - kFirstErrorColumn], 16) + QStringLiteral(" H");
    if (column < kColumns)
        return monitorCell(reading, column);
    return QString();
}

QString QLogData::monitorCell(const Reading &reading, int column) const
{
    QByteArray part;
    if (!listPart(reading.monitorData, column - kFirstMonitorColumn, part))
        return column >= kFirstSensorColumn ? sensorCell(reading, column) : QString();
    const MonitorData *entry = columnRegister(column);
    if (!entry)
        return QString();
    const double value = m_singleString && isSecondOrThirdString(entry->registerNo) ? 0.0 : part.toDouble();
    return QStringLiteral("%1 %2").arg(QString::number(value * entry->scale, 'g', 6), entry->unit);
}

QString QLogData::sensorCell(const Reading &reading, int column) const
{
    const int sensor = column - kFirstSensorColumn;
    QByteArray part;
    if (!listPart(reading.sensorValues, sensor, part))
        return QString();
    return QString::fromUtf8(part) + QLatin1Char(' ') + m_sensorUnits.value(sensor);
}
