#pragma once

#include <QObject>

class TestSensorDialog : public QObject
{
    Q_OBJECT

private slots:
    void queryOperateSaveAndDeleteAgainstModbusSlave();
    void shortOrLateRepliesLeaveThePortClosed();
};
