#pragma once

#include <QObject>

class TestLineSimulator : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteRegisters();
    void sharedAddressCollides();
    void addressAssignmentMovesOnlyTheMatchingInverter();
    void repliesArePacedByTheBaudRate();
    void faultsSpoilReplies();
    void commandStopsCleanly();
    void commandRejectsBadScenario();
};
