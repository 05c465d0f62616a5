#include "tst_session.h"

#include "base/appsettings.h"
#include "monitor/alarmselection.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "support/pollingrig.h"
#include "support/scriptedprompter.h"

#include <QtTest>

#include <atomic>

namespace {

const QByteArray kPlant = R"({"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"247":3100}}]})";

// The cable to inverter 2 spoils a third of its replies.
const QByteArray kWeakPlant = R"({"seed":3,"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"247":3100},
   "faults":[{"type":"wrongCrc","probability":0.33}]}]})";

LinkStats statsOf(const LineHealthReport &report, int address)
{
    for (const LinkStats &stats : report) {
        if (stats.device == LineDevice::inverter(address))
            return stats;
    }
    return LinkStats();
}

// Runs the session until `cycles` more cycles have been reported, then stops it.
void monitorFor(MonitoringSession &session, int cycles)
{
    QSignalSpy reported(&session, &MonitoringSession::cycleFinished);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QTRY_VERIFY_WITH_TIMEOUT(reported.size() >= cycles, 20000);
    QVERIFY(session.stop());
}

} // namespace

void TestSession::startsStopsAndRestarts()
{
    PollingRig rig;
    ScriptedPrompter prompter;
    QVERIFY(rig.startPlant(kPlant, {1, 2, 5}));
    AppSettings settings;
    AlarmSelection::setBits(settings, 0, 0, {3});
    MonitoringSession session;
    QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
    QSignalSpy stopped(&session, &MonitoringSession::stopped);
    std::atomic<int> emitted{0};
    QObject::connect(ProgramState::instance().pollingThread(), &QPollingThread::polling_ok, [&] { ++emitted; });
    int progress = 0;
    QCOMPARE(session.start([&] { ++progress; }), MonitoringSession::StartResult::Started);
    QCOMPARE(progress, 3);
    QCOMPARE(rig.requestsTo(5), 2); // asked again once, then dropped
    QCOMPARE(ProgramState::instance().addressTable().addresses(), (QList<int>{1, 2}));
    QVERIFY(prompter.messages().isEmpty());

    // Each cycle hands over the records, marked by the alarm check.
    QVERIFY(rig.sim.setErrorWord(0, 1, 8));
    QTRY_VERIFY_WITH_TIMEOUT(cycles.size() >= 2, 20000);
    const DeviceSnapshot devices = cycles.last().first().value<DeviceSnapshot>();
    QCOMPARE(devices.keys(), (QList<int>{1, 2}));
    QCOMPARE(devices[2].ac_power, 3000);
    QCOMPARE(devices[1].alarmedErrors, (AlarmedErrors{{1, {3}}}));

    QSignalSpy waiting(&session, &MonitoringSession::waitModeEntered);
    session.enterWaitMode();
    QVERIFY(waiting.wait(20000));
    QVERIFY(session.isWaiting());
    session.leaveWaitMode();

    // A cycle still queued when the stop comes is reported before stopped().
    int reportedAtStop = -1;
    connect(&session, &MonitoringSession::stopped, this, [&] { reportedAtStop = cycles.size(); });
    const QDeadlineTimer patience(20000);
    while (emitted.load() <= cycles.size() && !patience.hasExpired())
        QThread::msleep(5); // no events meanwhile: the cycles stay queued
    QVERIFY(session.stop());
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(reportedAtStop, emitted.load());
    QVERIFY(!session.isPollingRunning());
    QVERIFY(session.stop()); // nothing more to stop
    QCOMPARE(stopped.size(), 1);

    // Again, on the same session; a start while running stops the run first.
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QCOMPARE(stopped.size(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(cycles.size() > reportedAtStop, 20000);
    QVERIFY(session.stop());
    QCOMPARE(stopped.size(), 3);

    // Refused starts say why.
    AddressTable &table = ProgramState::instance().addressTable();
    table.assign({5, 6});
    QCOMPARE(session.start(), MonitoringSession::StartResult::NoAnswer);
    QVERIFY(table.isEmpty());
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Communication fail! Please check out your COM Port "
                                                             "settings, then search inverters again."));
    QCOMPARE(session.start(), MonitoringSession::StartResult::NoInverters);
    table.assign({1});
    ProgramState::instance().setLineSettings(96, PollingRig::kBaud);
    QCOMPARE(session.start(), MonitoringSession::StartResult::PortNotAvailable);
    QCOMPARE(prompter.messages().last().text, QStringLiteral("COM96 is not available!"));
    QCOMPARE(table.addresses(), QList<int>{1});

    // Polling silent inverters instead: the table keeps them, and a sleeping plant starts too.
    session.setPollSilentInverters(true);
    table.assign({5, 6});
    ProgramState::instance().setLineSettings(PollingRig::kPort, PollingRig::kBaud);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QCOMPARE(session.silentAtStart(), (QList<int>{5, 6}));
    QCOMPARE(table.addresses(), (QList<int>{5, 6}));
    QVERIFY(session.stop());
}

void TestSession::stopGivesUpAfterItsLimit()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kPlant, {1}));
    QMutex gate;
    std::atomic<bool> held{false};
    MonitoringSession session;
    session.setStopLimitMs(300);
    QObject::connect(ProgramState::instance().pollingThread(), &QPollingThread::polling_ok, [&] {
        if (!gate.tryLock()) { // the polling thread sticks here while the test holds the gate
            held = true;
            gate.lock();
        }
        gate.unlock();
    });
    QSignalSpy stopped(&session, &MonitoringSession::stopped);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    gate.lock();
    QTRY_VERIFY_WITH_TIMEOUT(held.load(), 20000);

    int hooks = 0;
    QVERIFY(!session.stop([&] { ++hooks; }));
    QVERIFY(hooks >= 2);
    QVERIFY(stopped.isEmpty() && session.isPollingRunning());
    QVERIFY(rig.logText().contains(QLatin1String("]- [MONITOR] polling thread still running ")));
    QCOMPARE(session.start(), MonitoringSession::StartResult::StillStopping);

    // The end is reported when it comes, and monitoring can start again.
    gate.unlock();
    QVERIFY(stopped.wait(20000));
    QVERIFY(rig.logText().contains(QLatin1String("]- [MONITOR] polling thread ended ")));
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QVERIFY(session.stop());
}

void TestSession::lineHealthOutlivesRunsAndFillsTheHourlyFile()
{
    PollingRig rig; // 13:00
    QVERIFY(rig.startPlant(kWeakPlant, {1, 2}));
    LineHealthReport firstRun;
    LineHealthReport bothRuns;
    {
        MonitoringSession session;
        QSignalSpy hours(&session, &MonitoringSession::lineHealthHourEnded);
        QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
        monitorFor(session, 2);
        firstRun = session.lineHealth();
        QCOMPARE(firstRun.size(), 2);
        QCOMPARE(statsOf(firstRun, 1).linkQuality(), 100.0);
        QVERIFY(statsOf(firstRun, 2).counts.crcErrors > 0);
        // Each record carries its own counts, as the cycle left them.
        const DeviceSnapshot last = cycles.last().first().value<DeviceSnapshot>();
        QCOMPARE(last[2].link.counts.exchanges, statsOf(firstRun, 2).counts.exchanges);
        QCOMPARE(last[2].link.counts.crcErrors, statsOf(firstRun, 2).counts.crcErrors);

        // An hour later the counts go on, and 13:00's are in the day's file.
        rig.clock.setNow(QDateTime(QDate(2026, 6, 1), QTime(14, 0)));
        monitorFor(session, 2);
        bothRuns = session.lineHealth();
        QVERIFY(statsOf(bothRuns, 2).counts.exchanges > statsOf(firstRun, 2).counts.exchanges);
        QCOMPARE(hours.size(), 1);
        QCOMPARE(hours.first().first().toDateTime(), QDateTime(QDate(2026, 6, 1), QTime(13, 0)));
    } // the session ends within 14:00: its rows follow

    const QStringList lines = QString::fromUtf8(rig.dir.read(QStringLiteral("debug/line-health-20260601.csv")))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.first().startsWith(QLatin1String("hour,device,address,serial,exchanges,")));
    const QList<std::pair<QString, LineHealthReport>> hours = {{QStringLiteral("2026-06-01 13:00"), firstRun},
                                                               {QStringLiteral("2026-06-01 14:00"), bothRuns}};
    for (int row = 0; row < 4; ++row) {
        const QStringList fields = lines[row + 1].split(QLatin1Char(','));
        const auto &[hour, report] = hours[row / 2];
        const int address = row % 2 + 1;
        const LinkCounts &counts = statsOf(report, address).counts;
        const LinkCounts &before = statsOf(row < 2 ? LineHealthReport() : firstRun, address).counts;
        QCOMPARE(fields.mid(0, 4), (QStringList{hour, "inverter", QString::number(address),
                                                QStringLiteral("LE44A000000%1").arg(address)}));
        QCOMPARE(fields[4].toLongLong(), counts.exchanges - before.exchanges);
        QCOMPARE(fields[8].toLongLong(), counts.crcErrors - before.crcErrors);
    }
}
