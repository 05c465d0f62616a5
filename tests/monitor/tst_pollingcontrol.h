#pragma once

#include <QObject>

// The polling thread's course: offline and back, a lost port, wait mode,
// stopping, the hourly reset of the alarm memory.
class TestPollingControl : public QObject
{
    Q_OBJECT

private slots:
    void offlineAfterThreeFailuresAndBack_data();
    void offlineAfterThreeFailuresAndBack();
    void portMissingBacksOff();
    void waitModeAfterTheInverterBeingRead();
    void stopInTheMiddleOfAPass();
    void stopRightAfterStartAndIdleTable();
    void alarmMemoryEmptiedHourly();
};
