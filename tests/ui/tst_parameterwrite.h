#pragma once

#include <QObject>

// A parameter change on the simulated line, while monitoring waits and after it.
class TestParameterWrite : public QObject
{
    Q_OBJECT

private slots:
    void changeReachesTheInverterAndMonitoringGoesOn();
};
