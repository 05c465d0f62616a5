#pragma once

#include <QObject>

class TestPortList : public QObject
{
    Q_OBJECT

private slots:
    void enumerateFakeMachine();
    void emptyMachine();
    void devicePaths();
    void stableNamesOfUsbAdapters();
};
