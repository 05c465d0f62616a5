#include "device/devicemap.h"

#include <QMutexLocker>

DeviceMap::Cycle::Cycle(DeviceMap &map)
    : m_map(map)
{
    m_map.m_monitorMutex.lock();
}

DeviceMap::Cycle::~Cycle()
{
    m_map.applyAlarmStores();
    m_map.publish();
    m_map.m_monitorMutex.unlock();
}

QDevice &DeviceMap::Cycle::record(int address)
{
    std::unique_ptr<QDevice> &device = m_map.m_records[address];
    if (!device)
        device = std::make_unique<QDevice>(quint8(address));
    return *device;
}

QDevice *DeviceMap::Cycle::find(int address) const
{
    const auto it = m_map.m_records.find(address);
    return it == m_map.m_records.end() ? nullptr : it->second.get();
}

QList<QDevice *> DeviceMap::Cycle::records() const
{
    QList<QDevice *> devices;
    for (const auto &[address, device] : m_map.m_records)
        devices.append(device.get());
    return devices;
}

void DeviceMap::clear()
{
    QMutexLocker lock(&m_monitorMutex);
    m_records.clear();
    publish();
}

DeviceSnapshot DeviceMap::snapshot() const
{
    QMutexLocker lock(&m_snapshotMutex);
    return m_snapshot;
}

std::optional<DeviceRecord> DeviceMap::snapshotOf(int address) const
{
    QMutexLocker lock(&m_snapshotMutex);
    const auto it = m_snapshot.constFind(address);
    if (it == m_snapshot.constEnd())
        return std::nullopt;
    return *it;
}

int DeviceMap::snapshotSize() const
{
    QMutexLocker lock(&m_snapshotMutex);
    return m_snapshot.size();
}

void DeviceMap::storeAlarmedErrors(int address, const AlarmedErrors &seen, const AlarmedErrors &errors)
{
    {
        QMutexLocker lock(&m_snapshotMutex);
        m_alarmStores.insert(address, {seen, errors});
        const auto published = m_snapshot.find(address);
        if (published != m_snapshot.end() && published->alarmedErrors == seen)
            published->alarmedErrors = errors;
    }
    if (m_monitorMutex.tryLock()) { // between cycles
        applyAlarmStores();
        m_monitorMutex.unlock();
    }
}

void DeviceMap::applyAlarmStores()
{
    QMap<int, AlarmStore> stores;
    {
        QMutexLocker lock(&m_snapshotMutex);
        stores.swap(m_alarmStores);
    }
    for (auto it = stores.cbegin(); it != stores.cend(); ++it) {
        const auto record = m_records.find(it.key());
        if (record != m_records.end() && record->second->alarmedErrors == it->seen)
            record->second->alarmedErrors = it->errors;
    }
}

void DeviceMap::publish()
{
    QMap<int, DeviceRecord> copy;
    for (const auto &[address, device] : m_records)
        copy.insert(address, *device);
    QMutexLocker lock(&m_snapshotMutex);
    m_snapshot.swap(copy);
}
