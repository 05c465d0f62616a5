#include "monitor/monitoringsession.h"

#include "base/log.h"
#include "base/prompter.h"
#include "monitor/communicationtest.h"
#include "monitor/linehealthfile.h"
#include "monitor/portrefusal.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "monitor/sensorsettings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

MonitoringSession::MonitoringSession(QObject *parent)
    : QObject(parent)
    , m_polling(new QPollingThread(this))
{
    qRegisterMetaType<DeviceSnapshot>();
    qRegisterMetaType<LineHealthReport>();
    ProgramState::instance().setPollingThread(m_polling);
    // The thread's signals arrive queued, in the order it sent them.
    connect(m_polling, &QPollingThread::polling_ok, this, &MonitoringSession::pollingCycleDone);
    connect(m_polling, &QPollingThread::enter_wait_mode, this, &MonitoringSession::waitModeEntered);
    connect(m_polling, &QThread::finished, this, &MonitoringSession::pollingEnded);
    connect(m_polling, &QPollingThread::lineLost, this, &MonitoringSession::lineLost);
    connect(m_polling, &QPollingThread::lineRestored, this, &MonitoringSession::lineRestored);
    connect(m_polling, &QPollingThread::lineHealthCounted, this, &MonitoringSession::lineHealthUpdated);
    connect(m_polling, &QPollingThread::lineHealthHourEnded, this, &MonitoringSession::writeLineHealthHour);
}

MonitoringSession::~MonitoringSession()
{
    m_polling->stop();
    m_polling->wait();
    // The hour the program ends in.
    const QDateTime hour = m_polling->lineHealthHour();
    const LineHealthReport lastHour = m_polling->takeLineHealthHour();
    if (!lastHour.isEmpty())
        LineHealthFile::appendHour(hour, lastHour, m_serials);
    ProgramState &state = ProgramState::instance();
    if (state.pollingThread() == m_polling)
        state.setPollingThread(nullptr);
}

MonitoringSession::StartResult MonitoringSession::start(const Hook &progress, LineTest test)
{
    if (m_state != State::Idle && !stop(progress))
        return StartResult::StillStopping;
    ProgramState &state = ProgramState::instance();
    if (state.addressTable().isEmpty())
        return StartResult::NoInverters;
    m_silentAtStart.clear();
    const StartResult tested = test == LineTest::Run ? runCommunicationTest(progress) : StartResult::Started;
    if (tested != StartResult::Started)
        return tested;
    state.sensors().load(readSensorSettings());
    m_mailer.loadSettings();
    // The polling thread opens the line at every pass.
    state.sharedPort().set_port_baud(state.portNumber(), state.baudRate());
    m_state = State::Running;
    m_polling->start();
    return StartResult::Started;
}

MonitoringSession::StartResult MonitoringSession::runCommunicationTest(const Hook &progress)
{
    ProgramState &state = ProgramState::instance();
    AddressTable &table = state.addressTable();
    const CommunicationTest::Result test = CommunicationTest::run(table.addresses(), progress);
    if (!test.portOpened) {
        state.prompter().message(
            Prompter::Level::Critical, tr("Error"),
            PortRefusal::text(state.sharedPort(), state.portNumber(),
                              tr("COM%1 is not available!").arg(state.portNumber())));
        return StartResult::PortNotAvailable;
    }
    m_silentAtStart = test.silent;
    if (m_pollSilent)
        return StartResult::Started;
    for (int address : test.silent)
        table.remove(address);
    if (table.isEmpty()) {
        state.prompter().message(Prompter::Level::Critical, tr("Error"),
                                 tr("Communication fail! Please check out your COM Port settings, then search "
                                    "inverters again."));
        return StartResult::NoAnswer;
    }
    return StartResult::Started;
}

bool MonitoringSession::stop(const Hook &whileWaiting)
{
    if (m_state == State::Idle)
        return true;
    if (m_state == State::Running) {
        m_state = State::Stopping;
        m_stopOverdue = false;
        m_stopAsked.start();
        m_polling->stop();
    }
    // The waiting hook may let the end be reported meanwhile (pollingEnded).
    if (!ThreadWait::forEnd(*m_polling, QStringLiteral("polling thread"), whileWaiting, m_stopLimitMs)) {
        m_stopOverdue = true;
        return false;
    }
    // The cycles and the end still queued are reported now, in their order.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    if (m_state == State::Stopping)
        finishStop();
    return true;
}

void MonitoringSession::setPollSilentInverters(bool poll)
{
    m_pollSilent = poll;
    m_polling->setProbeOfflineInverters(poll);
}

int MonitoringSession::readingsWaiting() const
{
    return m_polling->databaseWriter().readingsWaiting();
}

bool MonitoringSession::isPollingRunning() const
{
    return m_polling->isRunning();
}

void MonitoringSession::enterWaitMode()
{
    m_polling->enterWaitMode();
}

void MonitoringSession::leaveWaitMode()
{
    m_polling->leaveWaitMode();
}

bool MonitoringSession::isWaitRequested() const
{
    return m_polling->isWaitRequested();
}

bool MonitoringSession::isWaiting() const
{
    return m_polling->isWaiting();
}

void MonitoringSession::pollingCycleDone()
{
    DeviceMap &devices = ProgramState::instance().devices();
    const bool deliver = m_polling->isRunning() && (!m_deliveryCheck || m_deliveryCheck());
    m_mailer.checkAlarms(devices, deliver);
    const DeviceSnapshot snapshot = devices.snapshot();
    for (const DeviceRecord &device : snapshot) {
        if (!device.sn_name.isEmpty())
            m_serials[device.addr] = device.sn_name;
    }
    emit cycleFinished(snapshot);
}

void MonitoringSession::lineHealthUpdated(const LineHealthReport &report)
{
    m_lineHealth = report;
    emit lineHealthCounted(report);
}

void MonitoringSession::writeLineHealthHour(const QDateTime &hour, const LineHealthReport &report)
{
    LineHealthFile::appendHour(hour, report, m_serials);
    emit lineHealthHourEnded(hour, report);
}

void MonitoringSession::pollingEnded()
{
    // After a stop() that gave up waiting, or one whose waiting hook lets
    // events through; otherwise stop() reports the end itself.
    if (m_state == State::Stopping && m_polling->isFinished())
        finishStop();
}

void MonitoringSession::finishStop()
{
    m_state = State::Idle;
    if (m_stopOverdue)
        write_log(
            QStringLiteral("[MONITOR] polling thread ended %1 ms after the stop request").arg(m_stopAsked.elapsed()));
    const bool mailCut = !m_mailer.waitForMails(QDeadlineTimer(m_mailGraceMs));
    m_mailer.stopAll();
    emit stopped(mailCut);
}
