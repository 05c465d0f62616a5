#pragma once

#include <QObject>

// The polling thread's course: a lost port, wait mode, stopping, the hourly reset of the
// alarm memory, the communication test.
class TestPollingControl : public QObject
{
    Q_OBJECT

private slots:
    void lostPortComesBackAtOnce();
    void waitModeAfterTheInverterBeingRead();
    void stopInTheMiddleOfAPass();
    void stopRightAfterStartAndIdleTable();
    void alarmMemoryEmptiedHourly();
};
