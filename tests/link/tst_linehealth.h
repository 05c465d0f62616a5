#pragma once

#include <QObject>

// The line-health counts of the frame layer against the simulator's reply
// faults, each striking a seeded share of one device's replies: the counts
// are exactly what the simulator did.
class TestLineHealth : public QObject
{
    Q_OBJECT

private slots:
    void inverterFaultModes();
    void soundRepliesOfAnotherKind();
    void sensorFaultModes();
};
