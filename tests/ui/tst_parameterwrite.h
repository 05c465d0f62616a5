#pragma once

#include <QObject>

// A parameter change made in the window reaches the simulated line while monitoring waits.
class TestParameterWrite : public QObject
{
    Q_OBJECT

private slots:
    void changeReachesTheInverterAndMonitoringGoesOn();
};
