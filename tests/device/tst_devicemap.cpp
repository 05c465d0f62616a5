#include "tst_devicemap.h"

#include "device/devicemap.h"

#include <QThread>
#include <QtTest>

#include <atomic>
#include <thread>

void TestDeviceMap::copiesAreSnapshots()
{
    QDevice device(7);
    device.sn_name = QStringLiteral("SN-A");
    device.monitor_data[0] = 1;
    device.alarmedErrors[1] = {3};
    const DeviceRecord copy = device;

    device.sn_name = QStringLiteral("SN-B");
    device.monitor_data[0] = 2;
    device.alarmedErrors[1].append(4);
    QCOMPARE(copy.sn_name, QStringLiteral("SN-A"));
    QCOMPARE(int(copy.monitor_data[0]), 1);
    QCOMPARE(copy.alarmedErrors.value(1), QList<int>{3});
    QCOMPARE(int(copy.addr), 7);
    QCOMPARE(copy.inverter_id, -1);
}

void TestDeviceMap::publishedAtTheEndOfEachCycle()
{
    DeviceMap map;
    {
        DeviceMap::Cycle cycle(map);
        cycle.record(9).ac_power = 100;
        cycle.record(2).ac_power = 50;
        QCOMPARE(&cycle.record(9), cycle.find(9));
        QVERIFY(!cycle.find(3));
        QCOMPARE(cycle.records().first()->addr, quint8(2));
        QCOMPARE(map.snapshotSize(), 0); // not yet published
    }
    const QMap<int, DeviceRecord> first = map.snapshot();
    QCOMPARE(first.keys(), (QList<int>{2, 9}));
    QCOMPARE(int(first.value(9).addr), 9);

    map.storeAlarmedErrors(9, {}, {{2, {5}}});
    QCOMPARE(map.snapshotOf(9)->alarmedErrors.value(2), QList<int>{5});
    {
        DeviceMap::Cycle cycle(map);
        cycle.record(9).ac_power = 200;
        QCOMPARE(cycle.find(9)->alarmedErrors.value(2), QList<int>{5});
    }
    QCOMPARE(first.value(9).ac_power, 100);
    QCOMPARE(map.snapshotOf(9)->ac_power, 200);
    QVERIFY(!map.snapshotOf(4));

    map.clear();
    QCOMPARE(map.snapshotSize(), 0);
    DeviceMap::Cycle cycle(map);
    QCOMPARE(cycle.size(), 0);
}

void TestDeviceMap::readersNeverSeeHalfACycle()
{
    // Every cycle writes one number into several fields of every record; a
    // reader must find each record's fields in agreement.
    DeviceMap map;
    std::atomic<bool> stop{false};
    QThread *writer = QThread::create([&] {
        for (int n = 0; !stop.load(); ++n) {
            DeviceMap::Cycle cycle(map);
            for (int address = 1; address <= 8; ++address) {
                QDevice &d = cycle.record(address);
                d.ac_power = n;
                QThread::yieldCurrentThread();
                d.sn_name = QString::number(n);
                d.monitor_data.fill(quint8(n));
            }
        }
    });
    writer->start();
    int checked = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300 || checked < 50) {
        const QMap<int, DeviceRecord> records = map.snapshot();
        for (const DeviceRecord &d : records) {
            QCOMPARE(d.sn_name, QString::number(d.ac_power));
            QCOMPARE(int(d.monitor_data[177]), d.ac_power & 0xFF);
            QCOMPARE(d.ac_power, records.first().ac_power);
        }
        checked += records.isEmpty() ? 0 : 1;
    }
    stop = true;
    writer->wait();
    delete writer;
}

void TestDeviceMap::alarmStoresNeverWaitForACycle()
{
    DeviceMap map;
    {
        DeviceMap::Cycle cycle(map);
        cycle.record(1);
    }
    const AlarmedErrors first{{1, {3}}};
    {
        DeviceMap::Cycle cycle(map);
        // The check stores from another thread while the cycle runs: it returns at once.
        std::thread([&] { map.storeAlarmedErrors(1, {}, first); }).join();
        QCOMPARE(map.snapshotOf(1)->alarmedErrors, first);
        QVERIFY(cycle.find(1)->alarmedErrors.isEmpty());
    }
    QCOMPARE(map.snapshotOf(1)->alarmedErrors, first);

    // The cycle's own reset stands over a store that arrived during it.
    {
        DeviceMap::Cycle cycle(map);
        QCOMPARE(cycle.find(1)->alarmedErrors, first);
        std::thread([&] { map.storeAlarmedErrors(1, first, AlarmedErrors{{1, {3, 4}}}); }).join();
        cycle.find(1)->alarmedErrors.clear(); // the hourly reset
    }
    QVERIFY(map.snapshotOf(1)->alarmedErrors.isEmpty());
}
