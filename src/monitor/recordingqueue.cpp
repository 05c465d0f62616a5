#include "monitor/recordingqueue.h"

#include "base/log.h"

QVariantList Reading::values(int inverterId) const
{
    return {versionw3,  logTime,    inverterId,
            stateCode,  errors[0],  errors[1],
            errors[2],  errors[3],  QString::fromLatin1(monitorData),
            efficiency, sensorValue};
}

void RecordingQueue::reset(int capacity)
{
    QMutexLocker locker(&m_mutex);
    m_capacity = qMax(1, capacity);
    m_rows = Rows();
    m_rows.allOffline = true;
    m_readings.clear();
    m_frontSequence = 0;
    m_peekSequence = 0;
    m_dropped = 0;
    m_inPass = false;
    m_ending = false;
    m_abandoned = false;
}

void RecordingQueue::storeRow(const QString &serial, const InverterRow &row)
{
    QMutexLocker locker(&m_mutex);
    if (!m_rows.bySerial.contains(serial))
        m_rows.serials << serial;
    InverterRow &pending = m_rows.bySerial[serial];
    // An offline mark keeps the values not yet written: the row must exist
    // before the inverter's readings can name it.
    if (!row.columns.isEmpty())
        pending.columns = row.columns;
    pending.online = row.online;
    m_changed.wakeAll();
}

void RecordingQueue::storeReadings(const QList<Reading> &readings)
{
    QMutexLocker locker(&m_mutex);
    for (const Reading &reading : readings) {
        if (int(m_readings.size()) >= m_capacity) {
            if (m_dropped++ == 0)
                write_log(QStringLiteral("[DB] %1 readings waiting, a day's worth: the oldest are dropped from now on")
                              .arg(m_readings.size()));
            m_readings.pop_front();
            ++m_frontSequence;
        }
        m_readings.push_back(reading);
    }
    m_changed.wakeAll();
}

int RecordingQueue::readingCount() const
{
    QMutexLocker locker(&m_mutex);
    return int(m_readings.size());
}

int RecordingQueue::takeDropped()
{
    QMutexLocker locker(&m_mutex);
    return std::exchange(m_dropped, 0);
}

bool RecordingQueue::waitForWork(QDeadlineTimer notBefore)
{
    QMutexLocker locker(&m_mutex);
    for (;;) {
        if (m_abandoned || (m_ending && !hasWork()))
            return false;
        if (hasWork() && notBefore.hasExpired())
            return true;
        m_changed.wait(&m_mutex, hasWork() ? notBefore : QDeadlineTimer(QDeadlineTimer::Forever));
    }
}

void RecordingQueue::end()
{
    QMutexLocker locker(&m_mutex);
    m_ending = true;
    m_changed.wakeAll();
}

void RecordingQueue::abandon()
{
    QMutexLocker locker(&m_mutex);
    m_abandoned = true;
    m_changed.wakeAll();
}

RecordingQueue::Rows RecordingQueue::takeRows()
{
    QMutexLocker locker(&m_mutex);
    m_inPass = true;
    return std::exchange(m_rows, Rows());
}

void RecordingQueue::returnRows(const Rows &unwritten)
{
    QMutexLocker locker(&m_mutex);
    Rows merged = unwritten;
    merged.allOffline = merged.allOffline || m_rows.allOffline;
    for (const QString &serial : qAsConst(m_rows.serials)) {
        if (!merged.bySerial.contains(serial))
            merged.serials << serial;
        merged.bySerial.insert(serial, m_rows.bySerial.value(serial)); // the newer state
    }
    m_rows = merged;
}

QList<Reading> RecordingQueue::peekReadings(int max)
{
    QMutexLocker locker(&m_mutex);
    m_peekSequence = m_frontSequence;
    QList<Reading> batch;
    for (auto it = m_readings.cbegin(); it != m_readings.cend() && batch.size() < max; ++it) {
        if (m_rows.bySerial.contains(it->serial))
            break;
        batch << *it;
    }
    return batch;
}

void RecordingQueue::removeReadings(int count)
{
    QMutexLocker locker(&m_mutex);
    // Readings dropped meanwhile left from the front as well.
    while (!m_readings.empty() && m_frontSequence < m_peekSequence + count) {
        m_readings.pop_front();
        ++m_frontSequence;
    }
}

void RecordingQueue::passDone()
{
    QMutexLocker locker(&m_mutex);
    m_inPass = false;
    m_idle.wakeAll();
}

bool RecordingQueue::waitUntilIdle(QDeadlineTimer deadline)
{
    QMutexLocker locker(&m_mutex);
    while (m_inPass || hasWork()) {
        if (!m_idle.wait(&m_mutex, deadline))
            return false;
    }
    return true;
}
