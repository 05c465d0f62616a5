#pragma once

#include "benchappdir.h"
#include "linesimulator.h"

// A benchmark's plant: the application directory, and the plant of a scenario
// file played by the simulator on a pseudo-terminal linked as its COM port.
struct BenchPlant
{
    // withDatabase: the clean database opened in the directory. fixedTime: the
    // plant's clock stands at 2026-06-01 13:00, so that the figures do not
    // change with the hour of the run. False, with the reason, on a failure.
    bool start(const QString &scenarioFile, bool withDatabase, bool fixedTime, QString *error);

    BenchAppDir appDir;
    LineSimulator simulator;
    Scenario scenario;
};
