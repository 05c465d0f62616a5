#pragma once

#include <QObject>

// The SMTP dialogue against a real server on loopback, the failure counter and
// the alarm-mail threads.
class TestMailThread : public QObject
{
    Q_OBJECT

private slots:
    void deliversTestMail_data();
    void deliversTestMail();
    void bodyAndHeadersArriveIntact();
    void tls_data();
    void tls();
    void refusalsFailWithoutCounting();
    void unreachableServerCounts();
    void stoppingEndsConnectAtOnce();
    void hangUpCounts_data();
    void hangUpCounts();
    void silentServerEndsAndCounts();
    void limitStopsAlarmMailsUntilApplied();
};
