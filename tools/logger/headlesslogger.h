#pragma once

#include "monitor/monitoringsession.h"

#include <QObject>
#include <QTextStream>
#include <QTimer>

// Monitoring without a window: a monitoring session until a termination
// signal or the requested number of cycles. Inverters that do not answer at
// the start (asleep at night) are polled until they do. One status line per
// cycle while the line is up; while the port cannot be opened, one line when
// it is lost, a reminder once a minute and one line when it is back. The
// status line names the weakest link when a device's link quality is below
// 95 %; a line-health summary, one line per device, follows every clock hour
// and printLineHealth(). At the
// end the alarm mails on their way are delivered and every inverter row is
// marked offline.
class HeadlessLogger : public QObject
{
    Q_OBJECT

public:
    static constexpr int kReminderMs = 60000;

    // maxCycles 0: run until stopped.
    HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent = nullptr);

    // False when monitoring cannot start (the reason has been told).
    bool start();
    // Lets the running cycle finish, then ends monitoring; finished() follows.
    void stop();
    // One line per device with its counts since the program started.
    void printLineHealth();

    MonitoringSession &session() { return m_session; }

signals:
    void finished();

private:
    void everyPolling(const DeviceSnapshot &devices);
    void lineLost();
    void lineRestored(qint64 outageMs);
    void remind();
    void monitoringStopped(bool alarmMailCut);

    QTextStream &m_out;
    int m_maxCycles;
    int m_cycles = 0;
    MonitoringSession m_session;
    QTimer m_reminder;
    qint64 m_lostAtMs = -1; // while the line is lost
};
