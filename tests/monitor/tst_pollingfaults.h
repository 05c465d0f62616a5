#pragma once

#include <QObject>

// Bad input: inverters that misbehave, serial texts and families that change,
// a database that takes no writes for a while, many addresses.
class TestPollingFaults : public QObject
{
    Q_OBJECT

private slots:
    void garbageAndSilenceMidBlock();
    void serialTexts();
    void newSerialStartsAfresh();
    void deletedInverterRecordedAgain();
    void familyMoves();
    void databaseRefusesWrites_data();
    void databaseRefusesWrites();
    void readingsWaitADayAtMost();
    void manyAddresses();
};
