#pragma once

#include "monitor/monitoringsession.h"

#include <QObject>
#include <QTextStream>

// Monitoring without a window: a monitoring session until a termination
// signal or the requested number of cycles, with one status line per cycle.
// At the end the alarm mails on their way are delivered and every inverter
// row is marked offline.
class HeadlessLogger : public QObject
{
    Q_OBJECT

public:
    // maxCycles 0: run until stopped.
    HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent = nullptr);

    // False when monitoring cannot start (the reason has been told).
    bool start();
    // Lets the running cycle finish, then ends monitoring; finished() follows.
    void stop();

signals:
    void finished();

private:
    void everyPolling(const DeviceSnapshot &devices);
    void monitoringStopped(bool alarmMailCut);

    QTextStream &m_out;
    int m_maxCycles;
    int m_cycles = 0;
    MonitoringSession m_session;
};
