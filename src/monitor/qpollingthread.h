#pragma once

#include "device/devicemap.h"
#include "link/ccommand.h"
#include "link/linehealth.h"
#include "monitor/backoff.h"
#include "monitor/databasewriter.h"
#include "monitor/lineoutage.h"
#include "monitor/monitorrecorder.h"
#include "monitor/readingschedule.h"

#include <QDateTime>
#include <QHash>
#include <QThread>
#include <atomic>

class DeviceReader;

// The one worker that talks to the inverters during monitoring. Each cycle it
// opens the line, reads every inverter of the address table, keeps the device
// records and the orva_inverter rows current, reads the sensors, closes the line
// and records readings into orva_monitor_log, on the grid of the recording
// interval. The database work is handed to a writer thread, so that the line
// never waits for the disk; a run begins by setting every row offline and ends
// when what was recorded is written. While the port cannot be opened the
// attempts back off; once it opens again every inverter is asked at once. It
// can be stopped, and
// asked to wait between cycles so that parameter writes can use the line alone.
// Every exchange is counted into the line health, which lives as long as the
// thread object: a stop and a new start go on counting.
class QPollingThread : public QThread
{
    Q_OBJECT

public:
    explicit QPollingThread(QObject *parent = nullptr);
    ~QPollingThread() override;

    void stop();
    void enterWaitMode();
    void leaveWaitMode();
    bool isWaitRequested() const { return m_waitRequest.load(); }
    bool isWaiting() const { return m_waiting.load(); }

    // Offline inverters (asleep at night) are then only asked whether they
    // answer, after 1 s, then twice as long each time up to 30 s, instead of
    // being read in full every cycle. Off by default; set before start().
    void setProbeOfflineInverters(bool probe) { m_probeOffline = probe; }

    // What waits to be written, for status and for tests.
    DatabaseWriter &databaseWriter() { return m_writer; }

    // How long a run's end waits for the database to take what was recorded.
    static constexpr int kWriteLimitMs = 10000;

    // The clock hour whose line health counts are not handed on yet (invalid
    // before the first cycle), and its counts; the next hour begins afresh.
    // Only while the thread does not run.
    QDateTime lineHealthHour() const { return m_healthHour; }
    LineHealthReport takeLineHealthHour();

signals:
    void polling_ok();
    void enter_wait_mode();
    // The port could not be opened / opened again after outageMs.
    void lineLost();
    void lineRestored(qint64 outageMs);
    // Before polling_ok(): the line health since the program started.
    void lineHealthCounted(LineHealthReport report);
    // At the first cycle of a later clock hour: the counts of the hour that began at `hour`.
    void lineHealthHourEnded(QDateTime hour, LineHealthReport report);

protected:
    void run() override;

private:
    struct RecordSettings
    {
        int saveIntervalMinutes = 1;
        int startHour = 0;
        int stopHour = 0;
        bool anyHour = false;
    };

    void readSettings();
    bool inRecordWindow() const;
    bool sleepUnlessStopped(int ms);
    bool waitForLine();
    void cycles();
    void record(DeviceMap::Cycle &cycle, bool firstCycle);
    void pollingPass(DeviceMap::Cycle &cycle);
    void countUnreachable(DeviceReader &reader, QDevice &device);
    bool stillAsleep(QDevice &device);
    void readIdentity(DeviceReader &reader, QDevice &device);
    void rollLineHealthHour();
    void publishLineHealth(DeviceMap::Cycle &cycle);

    CCommand m_command;
    std::atomic<bool> m_waitRequest{false};
    std::atomic<bool> m_waiting{false};
    RecordSettings m_settings;
    DatabaseWriter m_writer;
    MonitorRecorder m_recorder{m_writer};
    ReadingSchedule m_schedule;
    LineOutage m_line;
    bool m_probeOffline = false;
    QHash<int, Backoff> m_asleep; // the offline inverters' wake-up checks, by bus address
    LineHealth m_lineHealth;
    QDateTime m_healthHour;
};
