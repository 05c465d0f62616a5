#pragma once

#include <QObject>

// Bad input: serial texts and families that change, a database that cannot be written.
class TestPollingFaults : public QObject
{
    Q_OBJECT

private slots:
    void serialTexts();
    void newSerialStartsAfresh();
    void deletedInverterRecordedAgain();
    void familyMoves();
    void lockedDatabase();
    void readOnlyAndMissingDatabase_data();
    void readOnlyAndMissingDatabase();
};
