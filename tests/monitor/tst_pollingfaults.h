#pragma once

#include <QObject>

// Bad input: inverters that misbehave, serial texts and families that change,
// a database that cannot be written, many addresses.
class TestPollingFaults : public QObject
{
    Q_OBJECT

private slots:
    void garbageAndSilenceMidBlock();
    void serialTexts();
    void newSerialStartsAfresh();
    void deletedInverterRecordedAgain();
    void familyMoves();
    void lockedDatabase();
    void readOnlyAndMissingDatabase_data();
    void readOnlyAndMissingDatabase();
    void manyAddresses();
};
