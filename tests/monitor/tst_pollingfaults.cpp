#include "tst_pollingfaults.h"

#include "device/paramtables.h"
#include "monitor/programstate.h"
#include "monitor/recordingqueue.h"
#include "support/pollingrig.h"

#include <QtTest>

#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

// Maps each orva_inverter row's serial to its id.
QMap<QString, QString> idsBySerial(const DbRows &rows)
{
    QMap<QString, QString> ids;
    for (const DbRow &row : rows)
        ids.insert(row.value("sn_name"), row.value("id"));
    return ids;
}

} // namespace

void TestPollingFaults::serialTexts()
{
    PollingRig rig;
    // Rows left by older versions: one without a serial, one whose serial lies inside another's.
    QCOMPARE(db_exec("INSERT INTO orva_inverter (sn_name, online) VALUES ('', 1), ('LE44A001234', 0)"), 0);
    QVERIFY(rig.startPlant(R"({"inverters":[
      {"address":1,"serial":"LE44A0012345","registers":{"193":1000,"247":1100}},
      {"address":2,"serial":"LE44A001234","registers":{"193":2000,"247":2100}}]})",
                           {1, 2}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(2, rig.minuteCycles([&](int cycle) {
        if (cycle == 1) {
            FaultSpec renamed = FaultSpec::make(FaultSpec::Type::SerialText);
            renamed.text = QStringLiteral("LE44A0099999");
            rig.sim.addFault(0, renamed);
        }
    })));

    const DbRows inverters = rig.inverterRows();
    const QMap<QString, QString> ids = idsBySerial(inverters);
    QCOMPARE(PollingRig::column(inverters, "sn_name"),
             (QStringList{"", "LE44A001234", "LE44A0012345", "LE44A0099999"}));
    QCOMPARE(PollingRig::column(inverters, "addr"), (QStringList{"", "2", "1", "1"}));
    // The serial that no longer answers is offline, as is every row the run has not seen online.
    QCOMPARE(PollingRig::column(inverters, "online"), (QStringList{"0", "1", "0", "1"}));
    QCOMPARE(PollingRig::column(rig.logRows(), "inverter_id"),
             (QStringList{ids["LE44A0012345"], ids["LE44A001234"], ids["LE44A0099999"], ids["LE44A001234"]}));
}

void TestPollingFaults::newSerialStartsAfresh()
{
    // An error that stays while another inverter takes the address: its start is the new one's first row.
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::sbStart, 9);
    rig.setSetting(Setting::sbStop, 9);
    rig.sim.setErrorWord(0, 1, 8);
    QVERIFY(rig.run(3, [&](int cycle) {
        if (cycle == 1) {
            FaultSpec renamed = FaultSpec::make(FaultSpec::Type::SerialText);
            renamed.text = QStringLiteral("LE44A0099999");
            rig.sim.addFault(0, renamed);
        }
    }));
    const QMap<QString, QString> ids = idsBySerial(rig.inverterRows());
    QCOMPARE(PollingRig::column(rig.logRows(), "inverter_id"),
             (QStringList{ids["LE44A0012345"], ids["LE44A0012345"], ids["LE44A0099999"]}));
}

void TestPollingFaults::deletedInverterRecordedAgain()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(2, rig.minuteCycles([&](int cycle) {
        if (cycle == 1) { // the window's "Del Inverter"
            QVERIFY(rig.written());
            db_exec("DELETE FROM orva_monitor_log WHERE inverter_id = 1");
            db_exec("DELETE FROM orva_inverter WHERE id = 1");
        }
    })));
    QCOMPARE(PollingRig::column(rig.inverterRows(), "id"), QStringList{"2"});
    QCOMPARE(PollingRig::column(rig.logRows(), "inverter_id"), QStringList{"2"});
}

void TestPollingFaults::familyMoves()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(R"({"inverters":[
      {"address":1,"versionw3":203,"typeNo":2,"serial":"LU50C0034567","registers":{"193":1000,"247":1100}},
      {"address":2,"versionw3":0,"typeNo":2,"serial":"LE44A0012345","registers":{"193":2000,"247":2100}}]})",
                           {1, 2}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(paramSetFor(0, 2) != paramSetFor(203, 2));
    QVERIFY(rig.run(3, rig.minuteCycles([&](int cycle) {
        if (cycle == 1) {
            FaultSpec moved = FaultSpec::make(FaultSpec::Type::VersionW3);
            moved.value = 0; // USA0 to EUR: the same identity registers
            rig.sim.addFault(0, moved);
            moved.value = 303; // EUR to USA1: its identity is read where it has none
            rig.sim.addFault(1, moved);
        }
    })));

    const std::optional<DeviceRecord> usa0 = ProgramState::instance().devices().snapshotOf(1);
    QCOMPARE(usa0->versionw3, 0);
    QVERIFY(usa0->paramSet == paramSetFor(0, 2));
    const DbRows inverters = rig.inverterRows();
    QCOMPARE(PollingRig::column(inverters, "sn_name"), (QStringList{"LU50C0034567", "LE44A0012345"}));
    QCOMPARE(PollingRig::column(inverters, "online"), (QStringList{"1", "0"}));
    // After the move the first records as EUR; the second, without a serial, is no longer recorded.
    const DbRows rows = rig.logRows();
    QCOMPARE(PollingRig::column(rows, "inverter_id"), (QStringList{"1", "2", "1", "1"}));
    QCOMPARE(PollingRig::column(rows, "versionw3"), (QStringList{"203", "0", "0", "0"}));
    QCOMPARE(rows[2].value("monitor_data"), rig.expectedMonitorData(0, false));
}

void TestPollingFaults::databaseRefusesWrites_data()
{
    QTest::addColumn<bool>("locked");
    QTest::newRow("held by another program") << true; // longer than the busy timeout
    QTest::newRow("read-only") << false;
}

void TestPollingFaults::databaseRefusesWrites()
{
    QFETCH(bool, locked);
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(rig.dir.file("lumora.db")).constData(), &other), SQLITE_OK);
    std::thread holder;
    std::atomic<bool> refusing{false};
    int refusedCycles = 0;
    int cyclesAfter = 0;
    QStringList cycleTimes;
    QVERIFY(rig.run(1000, rig.minuteCycles([&](int cycle) {
        cycleTimes << rig.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        refusedCycles += refusing ? 1 : 0;
        if (cycle == 1) {
            QVERIFY(rig.written());
            refusing = true;
            if (!locked) {
                // Root writes through file modes: the connection itself refuses writes.
                QCOMPARE(db_exec("PRAGMA query_only = ON"), 0);
            } else {
                QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
                holder = std::thread([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(7000));
                    refusing = false;
                    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
                });
            }
        }
        if (cycle == 2)
            rig.sim.setErrorWord(0, 1, 8); // an error row as well as periodic ones
        if (!locked && cycle == 4) {
            refusing = false;
            QCOMPARE(db_exec("PRAGMA query_only = OFF"), 0);
        }
        if (cycle > 3 && !refusing && ++cyclesAfter == 2)
            rig.thread.stop();
    }),
                    60000));
    if (holder.joinable())
        holder.join();
    sqlite3_close(other);

    QVERIFY(refusedCycles >= 3); // polling went on meanwhile
    // Every reading in order, each with its own time; the error row before the periodic one of its cycle.
    QStringList times = cycleTimes;
    times.insert(2, cycleTimes[2]);
    const DbRows rows = rig.logRows();
    QCOMPARE(PollingRig::column(rows, "log_time"), times);
    QCOMPARE(PollingRig::column(rows, "err1").mid(1, 3), (QStringList{"0", "8", "8"}));
    QCOMPARE(PollingRig::column(rig.inverterRows(), "online"), QStringList{"1"});
    const QString log = rig.logText();
    QVERIFY(log.contains(locked ? "[DB] the database takes no writes (database is locked)"
                                : "[DB] the database takes no writes (attempt to write a readonly database)"));
    QVERIFY(log.contains(QStringLiteral("[DB] the database takes writes again after ")));
}

void TestPollingFaults::readingsWaitADayAtMost()
{
    TempAppDir dir;
    const auto reading = [](int inverter) {
        Reading of;
        of.serial = QStringLiteral("LE%1").arg(inverter);
        return of;
    };
    RecordingQueue queue;
    queue.reset(3);
    queue.storeReadings({reading(1), reading(2), reading(3), reading(4), reading(5)});
    queue.storeRow(QStringLiteral("LE4"), InverterRow{{QStringLiteral("brand")}, true});
    queue.storeRow(QStringLiteral("LE4"), InverterRow{{}, false}); // offline, the values kept for the insert
    QCOMPARE(queue.readingCount(), 3);
    QCOMPARE(queue.takeDropped(), 2);
    QCOMPARE(QString::fromUtf8(dir.read("log.txt")).count("the oldest are dropped from now on"), 1);
    // The readings of an inverter whose row waits come after it.
    QList<Reading> batch = queue.peekReadings(10);
    QCOMPARE(batch.size(), 1);
    QCOMPARE(batch[0].serial, QStringLiteral("LE3"));
    const RecordingQueue::Rows rows = queue.takeRows();
    QVERIFY(rows.allOffline);
    QCOMPARE(rows.bySerial.value("LE4").columns, QVariantList{"brand"});
    QVERIFY(!rows.bySerial.value("LE4").online);
    QCOMPARE(queue.peekReadings(10).size(), 3);
    queue.storeReadings({reading(6)}); // drops LE3 while it is being written
    queue.removeReadings(2);           // LE3 and LE4 written
    batch = queue.peekReadings(10);
    QCOMPARE(batch.size(), 2);
    QCOMPARE(batch[0].serial + batch[1].serial, QStringLiteral("LE5LE6"));
}
