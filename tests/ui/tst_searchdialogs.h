#pragma once

#include <QObject>

class TestSearchDialogs : public QObject
{
    Q_OBJECT

private slots:
    void menuSearchNeedsAPortAndResolvesCollisions();
    void searchWithoutTheLineKeepsTheInvertersAndClosingStopsIt();
    void wizardFromAnEmptyDirectoryToTheAddressTable();
};
