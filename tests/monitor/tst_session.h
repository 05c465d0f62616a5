#pragma once

#include <QObject>

// A monitoring session on a simulated plant: the communication test and the
// refused starts, the cycles' snapshots, wait mode, stop and start again, and
// a stop that does not wait for ever; the line health through runs and hours.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void startsStopsAndRestarts();
    void stopGivesUpAfterItsLimit();
    void lineHealthOutlivesRunsAndFillsTheHourlyFile();
};
