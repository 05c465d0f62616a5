#include "monitor/programstate.h"
#include "support/pollingrig.h"

#include <QtTest>

// Inverters and lines that fall silent: the polling thread waits out their reply timeouts.
class TestPollingTimeouts : public QObject
{
    Q_OBJECT

private slots:
    void offlineAfterThreeFailuresAndBack_data();
    void offlineAfterThreeFailuresAndBack();
    void garbageAndSilenceMidBlock();
    void manyAddresses();
};

void TestPollingTimeouts::offlineAfterThreeFailuresAndBack_data()
{
    QTest::addColumn<bool>("portGone");
    QTest::newRow("silent inverter") << false;
    QTest::newRow("port gone") << true; // an unplugged adapter: no stale readings either
}

void TestPollingTimeouts::offlineAfterThreeFailuresAndBack()
{
    QFETCH(bool, portGone);
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1}));
    rig.setSetting(Setting::rbAuto, 1);
    const QString port = rig.dir.file(QStringLiteral("ports/COM%1").arg(PollingRig::kPort));
    QStringList online;
    QStringList cycleTimes;
    QVERIFY(rig.run(5, rig.minuteCycles([&](int cycle) {
        QVERIFY(rig.written());
        online << db_query(QStringLiteral("SELECT online FROM orva_inverter")).value(0).value("online");
        cycleTimes << rig.clock.now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        if (cycle == 1 && portGone)
            QFile::remove(port);
        else if (cycle == 1)
            rig.sim.addFault(0, FaultSpec::make(FaultSpec::Type::Silent));
        if (cycle == 4 && portGone)
            rig.sim.link(port);
        else if (cycle == 4)
            rig.sim.setFaults(0, {});
    })));
    QCOMPARE(online, (QStringList{"1", "1", "1", "0", "1"}));
    // Recorded while failing but not yet offline (with nothing of the block), never while offline.
    const DbRows rows = rig.logRows();
    QStringList times;
    for (const DbRow &row : rows)
        times << row.value("log_time");
    QCOMPARE(times, (QStringList{cycleTimes[0], cycleTimes[1], cycleTimes[2], cycleTimes[4]}));
    QCOMPARE(rows[1].value("monitor_data"), QStringLiteral("0,").repeated(84) + "4660");
    QCOMPARE(rows[1].value("efficiency"), QStringLiteral("0.0"));
    QCOMPARE(rows[3].value("monitor_data"), rig.expectedMonitorData(0, false));
    QVERIFY(rig.logText().contains("[Sql]save_monitor_data() device is disconnected"));
}

void TestPollingTimeouts::garbageAndSilenceMidBlock()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(R"({"inverters":[
      {"address":1,"serial":"LE44A0000001","registers":{"193":1000,"247":1100}},
      {"address":2,"serial":"LE44A0000002","faults":[{"type":"garbled"}]},
      {"address":3,"serial":"LE44A0000003","live":{},"registers":{"1":4663}}]})",
                           {1, 2, 3}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(4, rig.minuteCycles([&](int cycle) {
        if (cycle == 1) // answers the first two monitoring reads of each pass, then nothing
            rig.sim.addFault(2, FaultSpec::make(FaultSpec::Type::SilentMidBlock));
    })));

    // The garbling inverter never gets a row; the other one goes offline after its third failure.
    const DbRows inverters = rig.inverterRows();
    QCOMPARE(PollingRig::column(inverters, "sn_name"), (QStringList{"LE44A0000001", "LE44A0000003"}));
    QCOMPARE(PollingRig::column(inverters, "online"), (QStringList{"1", "0"}));
    const QString first = inverters[0].value("id");
    const QString third = inverters[1].value("id");
    const DbRows rows = rig.logRows();
    QCOMPARE(PollingRig::column(rows, "inverter_id"), (QStringList{first, third, first, third, first, third, first}));
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

void TestPollingTimeouts::manyAddresses()
{
    // A silent address costs its read timeouts on every cycle (about 1.7 s at
    // 38400 baud), so the last one stands for the rest of a full table.
    PollingRig rig;
    QVERIFY(rig.startPlant(PollingRig::kOneInverter, {1, 255}));
    rig.setSetting(Setting::rbAuto, 1);
    QVERIFY(rig.run(3, rig.minuteCycles()));
    QCOMPARE(rig.inverterRows().size(), 1);
    QCOMPARE(PollingRig::column(rig.logRows(), "inverter_id"), (QStringList{"1", "1", "1"}));
    const QMap<int, DeviceRecord> records = ProgramState::instance().devices().snapshot();
    QCOMPARE(records.keys(), (QList<int>{1, 255}));
    QCOMPARE(int(records[255].addr), 255);
    QVERIFY(records[255].isOffline() && !records[1].isOffline());
}

QTEST_GUILESS_MAIN(TestPollingTimeouts)
#include "tst_pollingtimeouts.moc"
