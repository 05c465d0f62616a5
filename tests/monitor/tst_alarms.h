#pragma once

#include <QObject>

class TestAlarms : public QObject
{
    Q_OBJECT

private slots:
    void tripValues();
    void alarmMailArrives();
    void alarmsOnceUntilReset();
    void keysFollowFamilyAndModel();
    void loggerMailsScheduledError_data();
    void loggerMailsScheduledError();
};
