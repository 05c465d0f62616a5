#include "ui/monitorcontrol.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/threadwait.h"
#include "ui/dialogs/searchinverterfrm.h"
#include "ui/qprogresswin.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>

namespace {

// The window repaints and its timers run; clicks and key presses wait, so
// that nothing starts a second step while one is under way.
void keepPainting()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

MonitorControl::MonitorControl(const Widgets &widgets, MonitoringSession &session, ProgramState &state, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_session(session)
    , m_program(state)
{
    // Alarm mails go only while the window is shown.
    m_session.setAlarmDeliveryCheck([window = m_w.window] { return !window->isHidden(); });
    // The polling thread's cycles arrive queued.
    connect(&m_session, &MonitoringSession::cycleFinished, this, &MonitorControl::cycleFinished);
    setState(State::NotReady);
}

MonitorControl::~MonitorControl()
{
    m_session.setAlarmDeliveryCheck({});
    m_totals.setStop();
    m_totals.wait();
}

void MonitorControl::start()
{
    if (m_program.addressTable().isEmpty()) {
        m_w.configurationWizard->trigger();
        return;
    }
    m_w.progress->setText(tr("Communication Testing..."));
    m_w.progress->show();
    keepPainting();
    const MonitoringSession::StartResult result = m_session.start(keepPainting);
    m_w.progress->close();
    if (result == MonitoringSession::StartResult::StillStopping) {
        m_program.prompter().message(Prompter::Level::Information, tr("Info"),
                                     tr("The last monitoring has not ended yet. Please try again in a moment."));
        return;
    }
    if (result != MonitoringSession::StartResult::Started) {
        m_w.configurationWizard->trigger();
        return;
    }
    loadAutoSearchSettings();

    m_firstCycle = true;
    setState(State::Starting);
    m_w.progress->setText(tr("Starting monitoring..."));
    m_w.progress->exec(); // the first cycle closes it
    if (m_autoSearchMinutes > 0 && !m_autoSearchTimer.isActive())
        m_autoSearchTimer.start(m_autoSearchMinutes * 60000);
    setState(State::Monitoring);
    emit aliveCountChanged(m_knownDeviceCount);
    emit started();
}

void MonitorControl::stop()
{
    if (m_state == State::Stopping)
        return;
    m_resumeAfterSearch = false;
    setState(State::Stopping);
    m_w.progress->setText(tr("Stopping monitoring..."));
    m_w.progress->show();
    stopThreads();
    m_w.progress->close();
    setState(State::Ready);
    emit aliveCountChanged(0);
}

void MonitorControl::shutDown()
{
    m_state = State::Stopping;
    stopThreads();
}

void MonitorControl::stopThreads()
{
    // The session ends polling, then asks the alarm mails to end and waits for them.
    m_session.stop(keepPainting);
    m_totals.setStop();
    ThreadWait::forEnd(m_totals, QStringLiteral("plant-totals thread"), keepPainting);
    m_autoSearchTimer.stop();
}

void MonitorControl::cycleFinished(const DeviceSnapshot &devices)
{
    // Cycles that arrive while stopping, or after a stop that gave up waiting, change nothing.
    if (m_state != State::Starting && m_state != State::Monitoring)
        return;
    if (m_firstCycle) {
        m_firstCycle = false;
        m_w.progress->close();
    }
    if (!m_totals.isRunning())
        m_totals.start();
    emit cycleDone(devices);
    if (devices.size() != m_knownDeviceCount) {
        m_knownDeviceCount = devices.size();
        emit deviceCountChanged(m_knownDeviceCount);
    }
    // A parameter write has ended once the polling thread runs freely again.
    if (!m_session.isWaitRequested() && !m_session.isWaiting() && m_w.progress->isVisible())
        m_w.progress->close();
}

void MonitorControl::autoSearch()
{
    if (m_state != State::Monitoring || m_resumeAfterSearch)
        return;
    if (m_lineLent) {
        m_searchAfterLending = true;
        return;
    }
    m_w.search->setPortBaud(m_program.portNumber(), m_program.baudRate());
    m_w.search->setAutomatic(true);
    // The line is the search's alone until it ends.
    stopThreads();
    m_resumeAfterSearch = true;
    m_w.search->show();
    m_w.search->search();
}

void MonitorControl::searchEnded()
{
    const bool inverters = !m_program.addressTable().isEmpty();
    if (m_resumeAfterSearch) {
        m_resumeAfterSearch = false;
        if (inverters) {
            setState(State::Ready);
            start();
        } else {
            setState(State::NotReady);
        }
        return;
    }
    if (inverters)
        setState(State::Ready);
}

bool MonitorControl::borrowLine()
{
    if (m_w.search->isSearching()) {
        m_program.prompter().message(
            Prompter::Level::Warning, tr("Warning"),
            tr("The line is being searched for inverters. Please try again when the search has ended."));
        return false;
    }
    m_lineLent = true;
    if (!m_session.isPollingRunning())
        return true;
    QEventLoop loop;
    connect(&m_session, &MonitoringSession::waitModeEntered, &loop, &QEventLoop::quit);
    connect(&m_session, &MonitoringSession::stopped, &loop, &QEventLoop::quit);
    m_session.enterWaitMode();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void MonitorControl::returnLine()
{
    if (!m_lineLent)
        return;
    m_lineLent = false;
    m_session.leaveWaitMode();
    if (m_searchAfterLending) {
        m_searchAfterLending = false;
        autoSearch();
    }
}

void MonitorControl::setState(State state)
{
    m_state = state;
    switch (state) {
    case State::NotReady:
        showMark(tr("Not ready"), "control_pause_blue.png");
        break;
    case State::Ready:
        showMark(tr("Ready for monitoring..."), "control_repeat.png");
        break;
    case State::Monitoring:
        showMark(tr("Monitoring..."), "control_play_blue.png");
        break;
    case State::Starting: // the progress window tells
    case State::Stopping:
        break;
    }
    if (state == State::Stopping)
        return; // the actions change once the threads have ended
    const bool running = state == State::Starting || state == State::Monitoring;
    m_w.stop->setEnabled(running);
    for (QAction *action : {m_w.start, m_w.sensorSettings, m_w.configurationWizard, m_w.comPort, m_w.searchInverters})
        action->setEnabled(!running);
}

void MonitorControl::showMark(const QString &text, const char *icon)
{
    m_w.stateLabel->setText(text);
    m_w.rightTopLabel->setText(text);
    m_w.rightTopIcon->setIcon(QIcon(QStringLiteral(":/DataManager/Resources/icon/") + QLatin1String(icon)));
}

void MonitorControl::loadAutoSearchSettings()
{
    AppSettings settings;
    m_autoSearchMinutes = 0;
    if (settings.intValue(Setting::auto_search, -1) == 1)
        m_autoSearchMinutes = qMax(0, settings.intValue(Setting::auto_search_time, 0));
}
