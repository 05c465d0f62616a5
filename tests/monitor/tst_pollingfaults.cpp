#include "tst_pollingfaults.h"

#include "device/paramtables.h"
#include "monitor/programstate.h"
#include "monitor/recordingqueue.h"
#include "pollingrig.h"

#include <QtTest>

#include <atomic>
#include <sqlite3.h>
#include <thread>

namespace {

const QByteArray kOneInverter = R"({"inverters":[{"address":1,"serial":"LE44A0012345",
  "registers":{"1":4660,"181":50,"193":2000,"247":2100}}]})";

// Every cycle a minute after the one before, so that each one records.
std::function<void(int)> minuteCycles(PollingRig &rig, const std::function<void(int)> &also = {})
{
    return [&rig, also](int cycle) {
        if (also)
            also(cycle);
        rig.clock.advance(60000 - (cycle == 1 ? 3000 : 100));
    };
}

// Maps each orva_inverter row's serial to its id.
QMap<QString, QString> idsBySerial(const DbRows &rows)
{
    QMap<QString, QString> ids;
    for (const DbRow &row : rows)
        ids.insert(row.value("sn_name"), row.value("id"));
    return ids;
}

} // namespace

void TestPollingFaults::garbageAndSilenceMidBlock()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(R"({"inverters":[
      {"address":1,"serial":"LE44A0000001","registers":{"193":1000,"247":1100}},
      {"address":2,"serial":"LE44A0000002","faults":[{"type":"garbled"}]},
      {"address":3,"serial":"LE44A0000003","live":{},"registers":{"1":4663}}]})",
                           {1, 2, 3}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(4, minuteCycles(rig, [&](int cycle) {
                        if (cycle == 1) // answers the first two monitoring reads of each pass, then nothing
                            rig.sim.addFault(2, FaultSpec::make(FaultSpec::Type::SilentMidBlock));
                    })));

    // The garbling inverter never gets a row; the other one goes offline after its third failure.
    const DbRows inverters = rig.inverterRows();
    QCOMPARE(column(inverters, "sn_name"), (QStringList{"LE44A0000001", "LE44A0000003"}));
    QCOMPARE(column(inverters, "online"), (QStringList{"1", "0"}));
    const QString first = inverters[0].value("id");
    const QString third = inverters[1].value("id");
    const DbRows rows = rig.logRows();
    QCOMPARE(column(rows, "inverter_id"), (QStringList{first, third, first, third, first, third, first}));
    // A failed read keeps the two blocks that came (registers 181 to 210) and zeros after them.
    QStringList partial;
    for (quint16 word : rig.sim.readRegisters(2, 186, 25))
        partial << QString::number(word);
    for (int reg = 211; reg <= 269; ++reg)
        partial << QStringLiteral("0");
    partial << QStringLiteral("4663"); // register 1 of the last good read
    QCOMPARE(rows[3].value("monitor_data"), partial.join(QLatin1Char(',')));
    QVERIFY(rows[3].value("monitor_data") != rig.expectedMonitorData(2, false));
}

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
    QVERIFY(rig.run(2, minuteCycles(rig, [&](int cycle) {
                        if (cycle == 1) {
                            FaultSpec renamed = FaultSpec::make(FaultSpec::Type::SerialText);
                            renamed.text = QStringLiteral("LE44A0099999");
                            rig.sim.addFault(0, renamed);
                        }
                    })));

    const DbRows inverters = rig.inverterRows();
    const QMap<QString, QString> ids = idsBySerial(inverters);
    QCOMPARE(column(inverters, "sn_name"), (QStringList{"", "LE44A001234", "LE44A0012345", "LE44A0099999"}));
    QCOMPARE(column(inverters, "addr"), (QStringList{"", "2", "1", "1"}));
    // The serial that no longer answers is offline, as is every row the run has not seen online.
    QCOMPARE(column(inverters, "online"), (QStringList{"0", "1", "0", "1"}));
    QCOMPARE(column(rig.logRows(), "inverter_id"),
             (QStringList{ids["LE44A0012345"], ids["LE44A001234"], ids["LE44A0099999"], ids["LE44A001234"]}));
}

void TestPollingFaults::newSerialStartsAfresh()
{
    // An error that stays while another inverter takes the address: its start is the new one's first row.
    PollingRig rig;
    QVERIFY(rig.startPlant(kOneInverter, {1}));
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
    QCOMPARE(column(rig.logRows(), "inverter_id"),
             (QStringList{ids["LE44A0012345"], ids["LE44A0012345"], ids["LE44A0099999"]}));
}

void TestPollingFaults::deletedInverterRecordedAgain()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(2, minuteCycles(rig, [&](int cycle) {
                        if (cycle == 1) { // the window's "Del Inverter"
                            QVERIFY(rig.written());
                            db_exec("DELETE FROM orva_monitor_log WHERE inverter_id = 1");
                            db_exec("DELETE FROM orva_inverter WHERE id = 1");
                        }
                    })));
    QCOMPARE(column(rig.inverterRows(), "id"), QStringList{"2"});
    QCOMPARE(column(rig.logRows(), "inverter_id"), QStringList{"2"});
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
    QVERIFY(rig.run(3, minuteCycles(rig, [&](int cycle) {
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
    QCOMPARE(column(inverters, "sn_name"), (QStringList{"LU50C0034567", "LE44A0012345"}));
    QCOMPARE(column(inverters, "online"), (QStringList{"1", "0"}));
    // After the move the first records as EUR; the second, without a serial, is no longer recorded.
    const DbRows rows = rig.logRows();
    QCOMPARE(column(rows, "inverter_id"), (QStringList{"1", "2", "1", "1"}));
    QCOMPARE(column(rows, "versionw3"), (QStringList{"203", "0", "0", "0"}));
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
    QVERIFY(rig.startPlant(kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(rig.dir.file("lumora.db")).constData(), &other), SQLITE_OK);
    std::thread holder;
    std::atomic<bool> refusing{false};
    int refusedCycles = 0;
    int cyclesAfter = 0;
    QStringList cycleTimes;
    QVERIFY(rig.run(1000,
                    minuteCycles(rig,
                                 [&](int cycle) {
                                     cycleTimes << rig.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
                                     refusedCycles += refusing ? 1 : 0;
                                     if (cycle == 1) {
                                         QVERIFY(rig.written());
                                         refusing = true;
                                         if (!locked) {
                                             // Root writes through file modes: the connection itself refuses writes.
                                             QCOMPARE(db_exec("PRAGMA query_only = ON"), 0);
                                         } else {
                                             QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr),
                                                      SQLITE_OK);
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
    QCOMPARE(column(rows, "log_time"), times);
    QCOMPARE(column(rows, "err1").mid(1, 3), (QStringList{"0", "8", "8"}));
    QCOMPARE(column(rig.inverterRows(), "online"), QStringList{"1"});
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

void TestPollingFaults::manyAddresses()
{
    // A silent address costs its read timeouts on every cycle (about 1.7 s at
    // 38400 baud), so two stand for the rest of a full table.
    PollingRig rig;
    QVERIFY(rig.startPlant(kOneInverter, {1, 128, 255}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(3, minuteCycles(rig)));
    QCOMPARE(rig.inverterRows().size(), 1);
    QCOMPARE(column(rig.logRows(), "inverter_id"), (QStringList{"1", "1", "1"}));
    const QMap<int, DeviceRecord> records = ProgramState::instance().devices().snapshot();
    QCOMPARE(records.keys(), (QList<int>{1, 128, 255}));
    QCOMPARE(int(records[255].addr), 255);
    QVERIFY(records[128].isOffline() && records[255].isOffline() && !records[1].isOffline());
}
