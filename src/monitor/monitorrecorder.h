#pragma once

#include "device/qdevice.h"

#include <QList>
#include <QString>
#include <QVariantList>

// The polling thread's database side: keeps an orva_inverter row per serial,
// matches the device records to their rows, and records readings into
// orva_monitor_log, periodically and when errors begin, change or last an hour.
// Every value is bound, never pasted into the statements.
class MonitorRecorder
{
public:
    // After a successful read: inserts the serial's row or updates it (online = 1).
    // A record without a serial has no row.
    void updateInverterRow(DeviceRecord &device);
    void markOffline(const QString &serial);
    // Gives every unmatched record with a serial the id of its row.
    void resolveInverterIds(const QList<QDevice *> &devices);

    // One row for every online, matched record, in the given order.
    void recordReadings(const QList<QDevice *> &devices);
    // A row for every record whose errors began, changed or entered a new hour.
    void recordErrors(const QList<QDevice *> &devices);

private:
    void record(const DeviceRecord &device, const QString &failureFormat);
    static QVariantList readingValues(const DeviceRecord &device);
    static void logFailure(const DeviceRecord &device, const QVariantList &values, const QString &failureFormat);
};
