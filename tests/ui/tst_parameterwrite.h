#pragma once

#include <QObject>

// A parameter change made in the window reaches the simulated line while monitoring waits, and
// every save ends, whatever else happens meanwhile.
class TestParameterWrite : public QObject
{
    Q_OBJECT

private slots:
    void changeReachesTheInverterAndMonitoringGoesOn();
    void everyWayOutOfASaveEndsIt();
};
