#pragma once

#include <QObject>

class TestSerial : public QObject
{
    Q_OBJECT

private slots:
    void openIsExclusive();
    void openFailuresAreLogged();
    void lineThatCannotBeSetUpIsLetGo();
    void closedPortDoesNothing();
    void readWaitsForLengthOrTotalTime();
    void writePurgesStaleInput();
};
