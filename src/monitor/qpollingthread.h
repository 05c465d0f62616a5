#pragma once

#include "device/devicemap.h"
#include "link/ccommand.h"

#include <QThread>
#include <atomic>

// The one worker that talks to the inverters during monitoring. Each cycle it
// opens the line, reads every inverter of the address table, keeps the device
// records and the orva_inverter rows current, reads the sensors, closes the line
// and records readings into orva_monitor_log. It can be stopped, and asked to
// wait between cycles so that parameter writes can use the line alone.
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

signals:
    void polling_ok();
    void enter_wait_mode();

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
    bool sleepUnlessStopped(int ms);
    void pollingPass(DeviceMap::Cycle &cycle);
    void updateInverterRow(const DeviceRecord &device);
    void markOffline(const DeviceRecord &device);
    void resolveInverterIds(DeviceMap::Cycle &cycle);
    void periodicRecording(DeviceMap::Cycle &cycle);
    void errorRecording(DeviceMap::Cycle &cycle);
    void record(const DeviceRecord &device, const QString &failureFormat);
    QString sensorValueText() const;

    CCommand m_command;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_waitRequest{false};
    std::atomic<bool> m_waiting{false};
    RecordSettings m_settings;
};
