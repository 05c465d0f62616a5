#pragma once

#include <QObject>

class TestDeviceMap : public QObject
{
    Q_OBJECT

private slots:
    void copiesAreSnapshots();
    void publishedAtTheEndOfEachCycle();
    void readersNeverSeeHalfACycle();
    void alarmStoresNeverWaitForACycle();
};
