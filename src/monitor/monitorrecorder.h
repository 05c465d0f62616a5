#pragma once

#include "device/qdevice.h"
#include "monitor/recordingqueue.h"

#include <QList>
#include <QString>

class DatabaseWriter;

// What the polling thread records, handed to the database writer: the state
// of an orva_inverter row per serial, and readings for orva_monitor_log,
// periodic ones and those of errors that begin, change or last into a new hour.
// Each reading takes its time when it is recorded here.
class MonitorRecorder
{
public:
    explicit MonitorRecorder(DatabaseWriter &writer);

    // Online and identified: a record whose readings can name its row.
    static bool canRecord(const DeviceRecord &device);

    // After a successful read: the serial's row is inserted or updated (online = 1).
    // A record without a serial has no row.
    void updateInverterRow(const DeviceRecord &device);
    void markOffline(const QString &serial);
    // Gives every record the id of its serial's row, once the writer knows it.
    void resolveInverterIds(const QList<QDevice *> &devices);

    // One reading of every record that can be recorded, in the given order.
    void recordReadings(const QList<QDevice *> &devices);
    // A reading of every record whose errors began, changed or entered a new hour.
    void recordErrors(const QList<QDevice *> &devices);

private:
    static Reading reading(const DeviceRecord &device, bool errorEvent);

    DatabaseWriter &m_writer;
};
