#pragma once

#include "monitor/alarmmailer.h"

#include <QObject>
#include <QTextStream>

class QPollingThread;

// Monitoring without a window: the communication test, then the polling thread
// until a termination signal or the requested number of cycles; one status line
// and the alarm check per cycle; at the end the alarm mails on their way are
// delivered and every inverter row is marked offline.
class HeadlessLogger : public QObject
{
    Q_OBJECT

public:
    // maxCycles 0: run until stopped.
    HeadlessLogger(QTextStream &out, int maxCycles, QObject *parent = nullptr);
    ~HeadlessLogger() override;

    // False when monitoring cannot start (the reason has been told).
    bool start();
    // Lets the running cycle finish, then ends monitoring; finished() follows.
    void stop();

signals:
    void finished();

private:
    void everyPolling();
    void pollingEnded();

    QTextStream &m_out;
    int m_maxCycles;
    int m_cycles = 0;
    QPollingThread *m_polling;
    AlarmMailer m_mailer;
};
