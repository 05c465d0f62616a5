#include "tst_pollingrecords.h"

#include "monitor/databasewriter.h"
#include "monitor/monitorrecorder.h"
#include "support/golden.h"
#include "support/pollingrig.h"

#include <QtTest>

namespace {

QString stamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

void TestPollingRecords::rowsOfEveryFamily()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kMixedPlant, {1, 2, 3, 4}));
    rig.addSensor(21, 1, QString(), 0, false, false);
    rig.addSensor(22, 3, QStringLiteral("/"), 10, true, true);
    QVERIFY(rig.run(1));
    // The first cycle records every inverter at once, and the USA0 inverter's error once more,
    // two seconds after the start: the clock moves only in the pauses before the sensors' requests.
    COMPARE_GOLDEN("rows-of-every-family.txt",
                   PollingRig::rowsText(rig.inverterRows()) + PollingRig::rowsText(rig.logRows()));
}

void TestPollingRecords::errorRows()
{
    // No periodic rows (the record window is empty): only the first cycle's and the error rows.
    PollingRig rig(QDateTime(QDate(2026, 6, 1), QTime(10, 58)));
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::sbStart, 9);
    rig.setSetting(Setting::sbStop, 9);
    QStringList cycleTimes;
    QVERIFY(rig.run(8, [&](int cycle) {
        cycleTimes << stamp(rig.clock.now());
        switch (cycle) {
        case 1:
            rig.sim.setErrorWord(0, 1, 8); // begins
            break;
        case 3:
            rig.clock.setNow(QDateTime(QDate(2026, 6, 1), QTime(11, 0, 30))); // the same error in a new hour
            break;
        case 4:
            rig.clock.advance(10 * 60 * 1000);
            break;
        case 5:
            rig.sim.setErrorWord(0, 1, 12); // changes
            break;
        case 6:
            rig.sim.setErrorWord(0, 1, 0); // clears
            break;
        case 7:
            rig.sim.setErrorWord(0, 1, 12); // begins again
            break;
        }
    }));
    const DbRows rows = rig.logRows();
    QCOMPARE(PollingRig::column(rows, "err1"), (QStringList{"0", "8", "8", "12", "12"}));
    QCOMPARE(PollingRig::column(rows, "log_time"),
             (QStringList{cycleTimes[0], cycleTimes[1], cycleTimes[3], cycleTimes[5], cycleTimes[7]}));
}

void TestPollingRecords::recordWindowAndInterval()
{
    // sbSaveInterval missing: a row every minute, from 8:00 to 17:59 only.
    PollingRig rig(QDateTime(QDate(2026, 6, 1), QTime(7, 59)));
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 0);
    rig.setSetting(Setting::sbStart, 8);
    rig.setSetting(Setting::sbStop, 18);
    const int pause = 100;
    QVERIFY(rig.run(10, [&](int cycle) {
        // Every cycle 30 s after the one before (the first pause is 3 s).
        const int slept = cycle == 1 ? 3000 : pause;
        if (cycle == 5)
            rig.clock.setNow(QDateTime(QDate(2026, 6, 1), QTime(17, 59)).addMSecs(-slept));
        else
            rig.clock.advance(30000 - slept);
    }));
    QCOMPARE(PollingRig::column(rig.logRows(), "log_time"),
             (QStringList{"2026-06-01 07:59:00", "2026-06-01 08:00:00", "2026-06-01 08:01:00", "2026-06-01 17:59:00"}));
}

void TestPollingRecords::readingsOnTheGridAfterARestart()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    // Left online by a run that crashed; its inverter is not on the line any more.
    QCOMPARE(db_exec("INSERT INTO orva_inverter (sn_name,online) VALUES ('LE44A0099999',1)"), 0);
    QVERIFY(rig.run(10, [&](int cycle) {
        if (cycle == 1) {
            QVERIFY(rig.written());
            QCOMPARE(PollingRig::column(rig.inverterRows(), "online"), (QStringList{"0", "1"}));
        }
        rig.clock.advance(25000 - (cycle == 1 ? 3000 : 100)); // a cycle every 25 s
    }));
    // One reading in every minute from the first, never an interval after the last one.
    QCOMPARE(PollingRig::column(rig.logRows(), "log_time"),
             (QStringList{"2026-06-01 13:00:00", "2026-06-01 13:01:15", "2026-06-01 13:02:05", "2026-06-01 13:03:20"}));
}

void TestPollingRecords::passGivenUpIsTakenAgain()
{
    // SQLite gives up the pass's transaction at the second row, as on a full disk:
    // the rows before it must not go with it.
    TempAppDir dir;
    dir.openDatabase();
    QCOMPARE(db_exec("CREATE TRIGGER refuse BEFORE INSERT ON orva_monitor_log WHEN NEW.inverter_id = "
                     "(SELECT id FROM orva_inverter WHERE sn_name = 'LE44A0000002') "
                     "BEGIN SELECT RAISE(ROLLBACK, 'disk full'); END"),
             0);
    DatabaseWriter writer;
    MonitorRecorder recorder(writer);
    writer.begin(10);
    QDevice first(1), second(2), third(3);
    QList<QDevice *> devices{&first, &second, &third};
    for (QDevice *device : devices) {
        device->sn_name = QStringLiteral("LE44A000000%1").arg(device->addr);
        recorder.updateInverterRow(*device);
    }
    recorder.recordReadings(devices);
    writer.finish(20000);
    QCOMPARE(
        PollingRig::column(db_query("SELECT sn_name FROM orva_monitor_log JOIN orva_inverter ON orva_inverter.id = "
                                    "inverter_id ORDER BY orva_monitor_log.id"),
                           "sn_name"),
        (QStringList{"LE44A0000001", "LE44A0000003"}));
    QVERIFY(QString::fromUtf8(dir.read("log.txt")).contains("log monitor data fail, sn LE44A0000002, sql: "));
    QCOMPARE(db_exec("BEGIN"), 0); // no transaction was left open
    QCOMPARE(db_exec("ROLLBACK"), 0);
}
