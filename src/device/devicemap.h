#pragma once

#include "device/qdevice.h"

#include <QList>
#include <QMap>
#include <QMutex>

#include <map>
#include <memory>
#include <optional>

// The device records as one polling cycle left them, by bus address.
using DeviceSnapshot = QMap<int, DeviceRecord>;

// The device records by bus address, owned here. Only the polling thread
// touches the records, and only inside a Cycle, which holds the monitor mutex
// for one whole polling cycle. At the end of every cycle a copy of all records
// is published; the other threads read that copy and never wait for a cycle.
class DeviceMap
{
public:
    DeviceMap() = default;
    DeviceMap(const DeviceMap &) = delete;
    DeviceMap &operator=(const DeviceMap &) = delete;

    // One polling cycle: holds the monitor mutex while it lives, publishes the
    // records when it ends.
    class Cycle
    {
    public:
        explicit Cycle(DeviceMap &map);
        ~Cycle();
        Cycle(const Cycle &) = delete;
        Cycle &operator=(const Cycle &) = delete;

        // The record of an address; created with addr set when it is new.
        QDevice &record(int address);
        QDevice *find(int address) const;
        // Ascending bus address.
        QList<QDevice *> records() const;
        int size() const { return int(m_map.m_records.size()); }

    private:
        DeviceMap &m_map;
    };

    // Drops every record and publishes the empty map (the polling thread, when
    // it starts; never inside a Cycle).
    void clear();

    // The records as the last cycle left them, by bus address.
    DeviceSnapshot snapshot() const;
    std::optional<DeviceRecord> snapshotOf(int address) const;
    int snapshotSize() const;

    // The alarm check's one write: the alarmed bits it reported for a device,
    // in place of `seen`, the bits it compared against. Never waits for a cycle:
    // the published copy follows at once, and a running cycle takes the store
    // when it ends, unless it changed the bits itself meanwhile (the hourly
    // reset, going offline), whose change then stands.
    void storeAlarmedErrors(int address, const AlarmedErrors &seen, const AlarmedErrors &errors);

private:
    struct AlarmStore
    {
        AlarmedErrors seen;
        AlarmedErrors errors;
    };

    void publish();
    // Caller holds the monitor mutex.
    void applyAlarmStores();

    QMutex m_monitorMutex;
    std::map<int, std::unique_ptr<QDevice>> m_records;
    mutable QMutex m_snapshotMutex; // the snapshot and the stores not yet applied
    DeviceSnapshot m_snapshot;
    QMap<int, AlarmStore> m_alarmStores;
};
