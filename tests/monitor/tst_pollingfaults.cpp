#include "tst_pollingfaults.h"

#include "device/paramtables.h"
#include "monitor/programstate.h"
#include "pollingrig.h"

#include <QtTest>

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
    // The serial that no longer answers is offline; the row without a serial is never touched.
    QCOMPARE(PollingRig::column(inverters, "online"), (QStringList{"1", "1", "0", "1"}));
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

void TestPollingFaults::lockedDatabase()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(rig.dir.file("lumora.db")).constData(), &other), SQLITE_OK);
    // Another program writes through the second cycle and lets go while the
    // cycle waits to record. The write-ahead log keeps the cycle's reads going;
    // its update waits out the busy timeout and fails.
    std::thread holder;
    int locked = -1;
    QVERIFY(rig.run(3, rig.minuteCycles([&](int cycle) {
                        if (cycle == 1) {
                            locked = sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
                            holder = std::thread([other] {
                                std::this_thread::sleep_for(std::chrono::milliseconds(7500));
                                sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
                            });
                        }
                    })));
    holder.join();
    sqlite3_close(other);
    QCOMPARE(locked, SQLITE_OK);
    const QString log = rig.logText();
    QVERIFY(!log.contains("sql: select"));
    QVERIFY(log.contains("sql: UPDATE orva_inverter SET addr = ?"));
    QVERIFY(log.contains("err_msg: database is locked"));
    QVERIFY(log.contains("[SQL]db_work() - update fail - QPollingThread::db_work"));
    QCOMPARE(rig.inverterRows().size(), 1);
    QCOMPARE(PollingRig::column(rig.logRows(), "inverter_id"), (QStringList{"1", "1", "1"}));
}

void TestPollingFaults::readOnlyAndMissingDatabase_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("read-only") << false;
    QTest::newRow("removed while open") << true;
}

void TestPollingFaults::readOnlyAndMissingDatabase()
{
    QFETCH(bool, removed);
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    // Root writes through file modes, so the connection itself refuses writes, as on a read-only file.
    if (!removed)
        QCOMPARE(db_exec("PRAGMA query_only = ON"), 0);
    QVERIFY(rig.run(3, rig.minuteCycles([&](int cycle) {
        if (removed && cycle == 1)
            QFile::remove(rig.dir.file("lumora.db"));
        if (cycle == 1)
            rig.sim.setErrorWord(0, 1, 8); // an error row as well as periodic ones
    })));
    const QString log = rig.logText();
    QVERIFY(log.contains("readonly database"));
    if (removed) {
        QVERIFY(log.contains("[SQL]db_work() - update fail - QPollingThread::db_work"));
        // Both failure lines show the statement with its values in place.
        for (const QString prefix : {"sn", "sn:"}) {
            const QRegularExpression line(
                "log monitor data fail, " + prefix +
                R"( LE44A0012345, sql: INSERT INTO orva_monitor_log \(versionw3,log_time,inverter_id,state_code,)"
                R"(err1,err2,err3,err4,monitor_data,efficiency,sensor_value\) VALUES\(0,'2026-06-01 13:0\d:\d\d',)"
                R"(1,\d+,8,0,0,0,'[\d,]+',\d+\.\d{6},''\)\n)");
            QVERIFY2(line.match(log).hasMatch(), qPrintable(prefix));
        }
    } else {
        QVERIFY(log.contains("insert fail - QPollingThread::db_work"));
        QCOMPARE(rig.inverterRows().size(), 0);
    }
}
