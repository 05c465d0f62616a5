#pragma once

#include <QObject>

// The inverter tree and its groups: order, drops, moves, names, deletions.
class TestInverterTree : public QObject
{
    Q_OBJECT

private slots:
    void treeOrderAndDrops();
    void upAndDownWithinAndAcrossGroups();
    void groupNamesAreBoundAndKeptAsTyped();
    void deletingAnInverterMatchesItsExactSerial();
};
