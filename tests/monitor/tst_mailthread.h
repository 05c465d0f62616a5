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
    void deliversOverTls_data();
    void deliversOverTls();
    void tlsFailuresCount_data();
    void tlsFailuresCount();
    void refusalsFailWithoutCounting();
    void unreachableServerCounts();
    void hangUpCounts_data();
    void hangUpCounts();
    void silentServerEndsAndCounts();
    void limitStopsAlarmMailsUntilApplied();
    void testMailTriedUntilAboveLimit();
};
