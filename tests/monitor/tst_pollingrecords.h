#pragma once

#include <QObject>

// What the polling thread writes: orva_inverter rows, the recordings of every
// family, error rows, the record window and the interval's grid.
class TestPollingRecords : public QObject
{
    Q_OBJECT

private slots:
    void rowsOfEveryFamily();
    void errorRows();
    void recordWindowAndInterval();
    void readingsOnTheGridAfterARestart();
    void passGivenUpIsTakenAgain();
};
