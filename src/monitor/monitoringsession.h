#pragma once

#include "device/devicemap.h"
#include "link/linkstats.h"
#include "monitor/alarmmailer.h"
#include "monitor/threadwait.h"

#include <QElapsedTimer>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <functional>

class QPollingThread;

Q_DECLARE_METATYPE(DeviceSnapshot)

// Monitoring from start to stop, for the window and the headless logger alike:
// the communication test, the sensor definitions and the mail settings, the
// program-wide polling thread (owned here) and the alarm check after every
// cycle. A stopped session can be started again. The line health counted by
// the polling thread lives as long as the session; each hour's counts go into
// the daily line-health file, the last hour's when the session ends.
class MonitoringSession : public QObject
{
    Q_OBJECT

public:
    enum class StartResult {
        Started,
        NoInverters,      // the address table is empty; nobody has been told
        PortNotAvailable, // the port did not open; the user has been told
        NoAnswer,         // no inverter answered the test; the user has been told
        StillStopping,    // the polling thread of the last run has not ended yet
    };
    // Skip: polling starts on the address table as it is, without the test and
    // its messages (after a search that has just asked the line).
    enum class LineTest { Run, Skip };
    using Hook = std::function<void()>;

    explicit MonitoringSession(QObject *parent = nullptr);
    ~MonitoringSession() override; // waits for the polling thread, however long it takes

    // The communication test on the configured line drops the silent addresses
    // from the address table; with inverters left, the sensor definitions and
    // the mail settings are loaded and the polling thread starts. A running
    // session is stopped first. progress runs between the test's steps.
    StartResult start(const Hook &progress = {}, LineTest test = LineTest::Run);

    // Instead, the test only tells who answered: silent inverters (asleep at
    // night) stay in the table and are polled as offline until they answer,
    // at growing intervals, and monitoring starts even when none answers.
    // Off by default.
    void setPollSilentInverters(bool poll);
    // The addresses that did not answer the last start's test, ascending.
    QList<int> silentAtStart() const { return m_silentAtStart; }

    // Readings kept in memory while the database takes no writes; 0 otherwise.
    int readingsWaiting() const;

    // The line health as the last cycle left it: every device asked since the
    // program started (stopping and starting monitoring keeps the counts).
    const LineHealthReport &lineHealth() const { return m_lineHealth; }
    // The last serial name seen at each bus address.
    const QMap<int, QString> &serials() const { return m_serials; }

    // Asks the polling thread to stop and waits for it, calling whileWaiting
    // between short sleeps, for at most the stop limit. Once it has ended, the
    // cycles still queued are reported, the alarm mails get the mail grace and
    // are then asked to end, and stopped() is emitted. False when the thread did
    // not end in time: that is logged, and stopped() follows whenever it ends.
    bool stop(const Hook &whileWaiting = {});

    bool isPollingRunning() const;

    // The polling thread's wait between cycles, for the parameter writes.
    void enterWaitMode();
    void leaveWaitMode();
    bool isWaitRequested() const;
    bool isWaiting() const;

    // The alarm mails of the monitoring: their settings and their threads.
    AlarmMailer &alarmMailer() { return m_mailer; }
    // Asked at every alarm check; alarm mails go only while it says yes
    // (the window holds them while it is hidden). Unset means always.
    void setAlarmDeliveryCheck(const std::function<bool()> &check) { m_deliveryCheck = check; }
    // How long running alarm mails may go on once polling has ended before
    // they are asked to end (default 0: at once).
    void setMailGraceMs(int ms) { m_mailGraceMs = ms; }
    void setStopLimitMs(int ms) { m_stopLimitMs = ms; }

signals:
    // After every polling cycle and its alarm check.
    void cycleFinished(DeviceSnapshot devices);
    // Before cycleFinished(): lineHealth() has changed.
    void lineHealthCounted(LineHealthReport report);
    // A clock hour is over and its counts are in the daily line-health file.
    void lineHealthHourEnded(QDateTime hour, LineHealthReport report);
    // The polling thread has closed the line and waits (after enterWaitMode()).
    void waitModeEntered();
    // The polling thread has ended; alarmMailCut: an alarm mail was still
    // being sent when the grace ran out, and has been stopped.
    void stopped(bool alarmMailCut);
    // The port could not be opened; opened again after outageMs. The cycles
    // go on meanwhile, with every inverter offline.
    void lineLost();
    void lineRestored(qint64 outageMs);

private:
    enum class State { Idle, Running, Stopping };

    StartResult runCommunicationTest(const Hook &progress);
    void pollingCycleDone();
    void lineHealthUpdated(const LineHealthReport &report);
    void writeLineHealthHour(const QDateTime &hour, const LineHealthReport &report);
    void pollingEnded();
    void finishStop();

    QPollingThread *m_polling;
    AlarmMailer m_mailer;
    State m_state = State::Idle;
    QElapsedTimer m_stopAsked;
    bool m_stopOverdue = false; // a stop() gave up waiting
    std::function<bool()> m_deliveryCheck;
    int m_mailGraceMs = 0;
    int m_stopLimitMs = ThreadWait::kLimitMs;
    bool m_pollSilent = false;
    QList<int> m_silentAtStart;
    LineHealthReport m_lineHealth;
    QMap<int, QString> m_serials;
};
