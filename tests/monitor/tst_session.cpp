#include "tst_session.h"

#include "base/appsettings.h"
#include "monitor/alarmselection.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "pollingrig.h"
#include "support/scriptedprompter.h"

#include <QWaitCondition>
#include <QtTest>

#include <atomic>

namespace {

const QByteArray kPlant = R"({"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"196":18,"197":3426,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"196":10,"197":0,"247":3100}}]})";

// A manual clock whose sleeps can be held, so that the polling thread sticks
// in its pause between cycles as long as the test wants.
class HoldingClock : public ManualClock
{
public:
    using ManualClock::ManualClock;

    void hold()
    {
        QMutexLocker locker(&m_gate);
        m_held = true;
    }
    void release()
    {
        QMutexLocker locker(&m_gate);
        m_held = false;
        m_opened.wakeAll();
    }
    bool holdsSomeone()
    {
        QMutexLocker locker(&m_gate);
        return m_sleepers > 0;
    }

    void sleepMs(int ms) override
    {
        {
            QMutexLocker locker(&m_gate);
            ++m_sleepers;
            while (m_held)
                m_opened.wait(&m_gate);
            --m_sleepers;
        }
        ManualClock::sleepMs(ms);
    }

private:
    QMutex m_gate;
    QWaitCondition m_opened;
    bool m_held = false;
    int m_sleepers = 0;
};

DeviceSnapshot lastSnapshot(const QSignalSpy &cycles)
{
    return cycles.last().first().value<DeviceSnapshot>();
}

} // namespace

void TestSession::startTestsStopsAndRestarts()
{
    PollingRig rig;
    ScriptedPrompter prompter;
    QVERIFY(rig.startPlant(kPlant, {1, 2, 5}));
    {
        AppSettings settings;
        AlarmSelection::setBits(settings, 0, 0, {3});
    }
    MonitoringSession session;
    QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
    QSignalSpy waiting(&session, &MonitoringSession::waitModeEntered);
    QSignalSpy stopped(&session, &MonitoringSession::stopped);
    std::atomic<int> emitted{0};
    QObject::connect(ProgramState::instance().pollingThread(), &QPollingThread::polling_ok, [&] { ++emitted; });
    int progress = 0;
    QCOMPARE(session.start([&] { ++progress; }), MonitoringSession::StartResult::Started);
    QCOMPARE(progress, 3);
    QCOMPARE(rig.requestsTo(5), 2); // asked again once, then dropped
    QCOMPARE(ProgramState::instance().addressTable().addresses(), (QList<int>{1, 2}));
    QVERIFY(prompter.messages().isEmpty());

    // Each cycle hands over the records, after the alarm check has marked them.
    QVERIFY(rig.sim.setErrorWord(0, 1, 8));
    QTRY_VERIFY_WITH_TIMEOUT(cycles.size() >= 2, 20000);
    const DeviceSnapshot devices = lastSnapshot(cycles);
    QCOMPARE(devices.keys(), (QList<int>{1, 2}));
    QCOMPARE(devices[1].sn_name, QStringLiteral("LE44A0000001"));
    QCOMPARE(devices[2].ac_power, 3000);
    QVERIFY(!devices[2].isOffline());
    QCOMPARE(devices[1].alarmedErrors, (AlarmedErrors{{1, {3}}}));
    QCOMPARE(devices[2].alarmedErrors, (AlarmedErrors{{1, {}}})); // chosen bits, none set

    session.enterWaitMode();
    QVERIFY(waiting.wait(20000));
    QVERIFY(session.isWaiting());
    const int beforeWait = cycles.size();
    QTest::qWait(200);
    QCOMPARE(cycles.size(), beforeWait);
    session.leaveWaitMode();
    QTRY_VERIFY_WITH_TIMEOUT(cycles.size() > beforeWait, 20000);

    // A cycle still queued when the stop comes is reported before stopped().
    int reportedAtStop = -1;
    connect(&session, &MonitoringSession::stopped, this, [&] { reportedAtStop = cycles.size(); });
    QElapsedTimer queued;
    queued.start();
    while (emitted.load() <= cycles.size() && queued.elapsed() < 20000)
        QThread::msleep(5);
    QVERIFY(emitted.load() > cycles.size());
    QVERIFY(session.stop());
    QCOMPARE(stopped.size(), 1); // before stop() returns
    QCOMPARE(reportedAtStop, emitted.load());
    QCOMPARE(stopped.first().first(), QVariant(false));
    QVERIFY(!session.isPollingRunning());
    const int afterStop = cycles.size();
    QTest::qWait(300);
    QCOMPARE(cycles.size(), afterStop);
    QVERIFY(session.stop()); // nothing more to stop
    QCOMPARE(stopped.size(), 1);

    // Again, on the same session, and a start while running stops the run first.
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QTRY_VERIFY_WITH_TIMEOUT(cycles.size() > afterStop, 20000);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QCOMPARE(stopped.size(), 2);
    QVERIFY(session.isPollingRunning());
    QVERIFY(session.stop());
    QCOMPARE(stopped.size(), 3);
    QCOMPARE(rig.inverterRows().size(), 2);
}

void TestSession::refusedStarts()
{
    PollingRig rig;
    ScriptedPrompter prompter;
    QVERIFY(rig.startPlant(kPlant, {5, 6}));
    AddressTable &table = ProgramState::instance().addressTable();
    MonitoringSession session;

    QCOMPARE(session.start(), MonitoringSession::StartResult::NoAnswer);
    QVERIFY(table.isEmpty());
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(prompter.messages()[0].title, QStringLiteral("Error"));
    QCOMPARE(prompter.messages()[0].text, QStringLiteral("Communication fail! Please check out your COM Port "
                                                         "settings, then search inverters again."));

    QCOMPARE(session.start(), MonitoringSession::StartResult::NoInverters);
    QCOMPARE(prompter.messages().size(), 1);

    table.assign({1});
    ProgramState::instance().setLineSettings(96, PollingRig::kBaud);
    QCOMPARE(session.start(), MonitoringSession::StartResult::PortNotAvailable);
    QCOMPARE(prompter.messages().last().text, QStringLiteral("COM96 is not available!"));
    QCOMPARE(table.addresses(), QList<int>{1});
    QVERIFY(!session.isPollingRunning());
}

void TestSession::stopGivesUpAfterItsLimit()
{
    PollingRig rig;
    QVERIFY(rig.startPlant(kPlant, {1}));
    HoldingClock clock(rig.clock.now());
    MonitoringSession session;
    session.setStopLimitMs(300);
    QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
    QSignalSpy stopped(&session, &MonitoringSession::stopped);
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QVERIFY(cycles.wait(20000));
    clock.hold();
    QTRY_VERIFY_WITH_TIMEOUT(clock.holdsSomeone(), 20000);

    int hooks = 0;
    QVERIFY(!session.stop([&] { ++hooks; }));
    QVERIFY(hooks >= 2);
    QVERIFY(stopped.isEmpty());
    QVERIFY(session.isPollingRunning());
    QVERIFY(rig.logText().contains(QLatin1String("]- [MONITOR] polling thread still running ")));
    QCOMPARE(session.start(), MonitoringSession::StartResult::StillStopping);

    // The thread ends later: the end is reported then, and monitoring can start again.
    clock.release();
    QVERIFY(stopped.wait(20000));
    QVERIFY(rig.logText().contains(QLatin1String("]- [MONITOR] polling thread ended ")));
    QCOMPARE(session.start(), MonitoringSession::StartResult::Started);
    QVERIFY(session.stop());
    QCOMPARE(stopped.size(), 2);
}
