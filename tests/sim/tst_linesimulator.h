#pragma once

#include <QObject>

class TestLineSimulator : public QObject
{
    Q_OBJECT

private slots:
    void readAndWriteRegisters();
    void sharedAddressCollides();
    void addressAssignmentMovesOnlyTheMatchingInverter();
    void sensorsKeepTheirOrders();
    void repliesArePacedByTheBaudRate();
    void faultsSpoilReplies();
    void commandStopsCleanly();
    void commandRejectsBadScenario();
};
