#pragma once

#include "linesimulator.h"

#include <QVector>

#include <benchmark/benchmark.h>

// The least time the exchanges heard on the simulated line can take: every
// request and its reply on the wire at 10 bits per byte, the plant's turnaround,
// and the protocol's 10 ms pause after every good reply; and how late the
// simulator's own thread answered.
struct LineFloor
{
    double floorMs = 0.0;
    double simulatorLateMs = 0.0;
    bool answered = true; // every request got its reply

    static LineFloor of(const QVector<HeardRequest> &requests, int baud, double turnaroundMs);
};

// Measured times against their floors over the iterations of one benchmark.
// Its counters: floor_ms per iteration; ratio and overhead_% of the measured
// time to the floor; own_%, the overhead less the simulator's own lateness (the
// program's part, the pseudo-terminal's hand-over included); repeated, the
// attempts made again because an exchange failed on a busy machine.
struct FloorTally
{
    double measuredMs = 0.0;
    double floorMs = 0.0;
    double simulatorLateMs = 0.0;
    int repeated = 0;

    void add(double measured, const LineFloor &line);
    void report(benchmark::State &state) const;
};

// Google Benchmark's start with short settings (medians of `repetitions` runs,
// aggregates only); flags given on the command line win. False on an unknown flag.
bool initBenchmarks(int argc, char **argv, int repetitions);
