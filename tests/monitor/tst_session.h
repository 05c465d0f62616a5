#pragma once

#include <QObject>

// A monitoring session on a simulated plant: start with the communication
// test, the cycles' snapshots, wait mode, stop and start again, and a stop
// that does not wait for ever.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void startTestsStopsAndRestarts();
    void refusedStarts();
    void stopGivesUpAfterItsLimit();
};
