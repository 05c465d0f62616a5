#pragma once

#include <QObject>

// The lumora-logger command against the simulator: status lines, the clean
// stop on SIGTERM, an inverter asleep at the start, bad settings, the
// line-health summary and file, and the refusals to start.
class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void cleanStopOnSigterm();
    void sleepingInverterAndBadSettings();
    void lineHealthSummaryAndFile();
    void refusesToStart_data();
    void refusesToStart();
};
