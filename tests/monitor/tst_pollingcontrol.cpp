#include "tst_pollingcontrol.h"

#include "monitor/programstate.h"
#include "support/pollingrig.h"

#include <QtTest>

#include <atomic>

namespace {

const QByteArray kThreeInverters = R"({"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":1000,"247":1100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":2000,"247":2100}},
  {"address":3,"serial":"LE44A0000003","registers":{"193":3000,"247":3100}}],
 "sensors":[{"slave":21,"register":1,"value":850}]})";

int addressOf(const HeardRequest &request)
{
    return request.kind == HeardRequest::Kind::Inverter ? quint8(request.bytes.at(1)) : 0;
}

} // namespace

// While the port is gone, opening it is tried at growing intervals; once its
// device is there again it is opened at once, and every inverter is asked in
// that first pass: also the one whose silence had it probed only every 16 s.
void TestPollingControl::lostPortComesBackAtOnce()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kThreeInverters, {1, 2}));
    rig.setSetting(Setting::rbAuto, 1);
    rig.thread.setProbeOfflineInverters(true);
    rig.sim.setFaults(1, {FaultSpec::make(FaultSpec::Type::WrongCrc)}); // inverter 2 not heard
    const QString port = rig.dir.file(QStringLiteral("ports/COM%1").arg(PollingRig::kPort));
    QSignalSpy lost(&rig.thread, &QPollingThread::lineLost);
    QSignalSpy back(&rig.thread, &QPollingThread::lineRestored);
    QList<qint64> attempts; // since the port went, on the program's clock
    QStringList recordingTimes;
    qint64 firstCycleMs = 0;
    QMap<int, DeviceRecord> atReturn;
    QVERIFY(rig.run(30, [&](int cycle) {
        const qint64 now = rig.clock.elapsedMs();
        if (!back.isEmpty()) {
            atReturn = ProgramState::instance().devices().snapshot();
            attempts << now;
            const QString time = rig.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            recordingTimes << time << time; // both inverters
            rig.thread.stop();
            return;
        }
        if (cycle == 1)
            firstCycleMs = now;
        if (cycle <= 7) {
            // A cycle a minute, each recorded: inverter 2 is read three times, then probed
            // once a cycle, its pause growing to 8 s; the eighth cycle, 55 s later, makes it 16 s.
            recordingTimes << rig.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            const qint64 next = firstCycleMs + (cycle < 7 ? cycle * 60000 : 6 * 60000 + 55000);
            rig.clock.advance(next - now - (cycle == 1 ? 3000 : 100));
        } else if (cycle == 8) {
            QFile::remove(port);
            rig.sim.setFaults(1, {}); // awake by the time the line is back
        } else if ((attempts << now).size() == 4) {
            rig.sim.link(port);
        }
    }));

    QList<qint64> pauses;
    for (int i = 1; i < attempts.size(); ++i)
        pauses << attempts[i] - attempts[i - 1];
    QCOMPARE(pauses, (QList<qint64>{1000, 2000, 4000, 0}));
    QCOMPARE(lost.size(), 1);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.first().first().toLongLong(), 7000);
    QVERIFY(!atReturn.value(1).isOffline());
    QVERIFY(!atReturn.value(2).isOffline());
    const QString log = rig.logText();
    QCOMPARE(log.count("CSerial::open - COM7"), 1);
    QCOMPARE(log.count("[LINE] COM7 cannot be opened: line lost"), 1);
    QCOMPARE(log.count("[LINE] COM7 open again: line back after 7 s"), 1);
    // Nothing recorded while the line was lost; the reading that fell due meanwhile once it is back.
    QVERIFY(rig.written());
    QCOMPARE(PollingRig::column(rig.logRows(), "log_time"), recordingTimes);
    QCOMPARE(PollingRig::column(rig.inverterRows(), "online"), (QStringList{"1", "1"}));
}

void TestPollingControl::waitModeAfterTheInverterBeingRead()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kThreeInverters, {1, 2, 3}));
    rig.addSensor(21, 1, QString(), 0, false, false);
    std::atomic<int> cycle{0};
    std::atomic<bool> requested{false};
    rig.onRequest([&](const QByteArray &frame) {
        if (cycle.load() == 1 && quint8(frame.at(1)) == 2 && !requested.exchange(true))
            rig.thread.enterWaitMode();
    });
    struct Event
    {
        QString name;
        qint64 atMs;
        qint64 heard;
        bool lineClosed;
        bool waiting;
    };
    QList<Event> events;
    auto note = [&](const QString &name) {
        events << Event{name, rig.clock.elapsedMs(), rig.sim.requestCount(),
                        ProgramState::instance().sharedPort().is_closed(), rig.thread.isWaiting()};
    };
    QObject::connect(
        &rig.thread, &QPollingThread::enter_wait_mode, &rig.thread,
        [&] {
            note(QStringLiteral("wait"));
            rig.thread.leaveWaitMode();
        },
        Qt::DirectConnection);
    QVERIFY(rig.run(3, [&](int n) {
        cycle = n;
        note(QStringLiteral("ok"));
    }));

    QCOMPARE(events.size(), 4);
    QCOMPARE(events[1].name + events[2].name + events[3].name, QStringLiteral("okwaitok"));
    QCOMPARE(events[2].atMs - events[1].atMs, 150); // the 100 ms pause, then one 50 ms check
    QVERIFY(events[2].lineClosed);
    QVERIFY(events[2].waiting);
    QVERIFY(!events[3].waiting);
    // The second cycle: addresses 1 and 2, then the sensor; address 3 waits for the next cycle.
    QList<int> secondCycle;
    for (const HeardRequest &request : rig.sim.requests()) {
        if (request.sequence >= events[0].heard && request.sequence < events[1].heard &&
            (secondCycle.isEmpty() || secondCycle.last() != addressOf(request)))
            secondCycle << addressOf(request);
    }
    QCOMPARE(secondCycle, (QList<int>{1, 2, 0}));
    QCOMPARE(events[2].heard, events[1].heard); // nothing on the line before the wait
    QVERIFY(rig.requestsTo(3) > 0);
}

void TestPollingControl::stopInTheMiddleOfAPass()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kThreeInverters, {1, 2, 3}));
    rig.addSensor(21, 1, QString(), 0, false, false);
    rig.onRequest([&](const QByteArray &frame) {
        if (quint8(frame.at(1)) == 2)
            rig.thread.stop();
    });
    int cycles = 0;
    QVERIFY(rig.run(10, [&](int) { ++cycles; }));
    QCOMPARE(cycles, 0); // no polling_ok for a stopped cycle
    QCOMPARE(rig.requestsTo(3), 0);
    QCOMPARE(rig.requestsTo(0), 0); // no sensor on the closed line
    QVERIFY(ProgramState::instance().sharedPort().is_closed());
    // The cycle's records are still written: the inverter being read finished its reads.
    QCOMPARE(rig.inverterRows().size(), 2);
    const DbRows rows = rig.logRows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].value("monitor_data"), rig.expectedMonitorData(1, false));
}

void TestPollingControl::stopRightAfterStartAndIdleTable()
{
    PollingRig rig;
    int emitted = 0;
    QObject::connect(
        &rig.thread, &QPollingThread::polling_ok, &rig.thread, [&] { ++emitted; }, Qt::DirectConnection);
    for (int i = 0; i < 20; ++i) {
        rig.thread.start();
        rig.thread.stop();
        QVERIFY2(rig.thread.wait(5000), "a stop right after the start was lost");
    }
    // Without addresses there is no cycle: the thread only pauses, 3000 ms first, then 100 ms at a time.
    const qint64 before = rig.clock.elapsedMs();
    rig.thread.stop(); // not running: no stop for the next start
    rig.thread.start();
    QTRY_VERIFY(rig.clock.elapsedMs() - before >= 3500);
    rig.thread.stop();
    QVERIFY(rig.thread.wait(5000));
    QCOMPARE(emitted, 0);
}

void TestPollingControl::alarmMemoryEmptiedHourly()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    DeviceMap &devices = ProgramState::instance().devices();
    const AlarmedErrors alarmed = {{1, {3}}};
    QList<bool> kept;
    QVERIFY(rig.run(4, [&](int cycle) {
        if (cycle > 1)
            kept << !devices.snapshotOf(1)->alarmedErrors.isEmpty();
        if (cycle != 2)
            devices.storeAlarmedErrors(1, devices.snapshotOf(1)->alarmedErrors, alarmed);
        rig.clock.advance(cycle == 3 ? 59 * 60000 : 30 * 60000);
    }));
    QCOMPARE(kept, (QList<bool>{true, false, true})); // emptied in the cycle an hour after the start
}
