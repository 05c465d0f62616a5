#pragma once

#include <QObject>

// Bad input: serial texts and families that change, a database that takes no
// writes for a while.
class TestPollingFaults : public QObject
{
    Q_OBJECT

private slots:
    void serialTexts();
    void newSerialStartsAfresh();
    void deletedInverterRecordedAgain();
    void familyMoves();
    void databaseRefusesWrites_data();
    void databaseRefusesWrites();
    void readingsWaitADayAtMost();
};
