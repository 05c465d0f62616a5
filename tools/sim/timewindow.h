#pragma once

// A span of simulated time, in seconds since the simulation started: from
// `from` to `to` (open-ended without `to`), optionally repeating every `every`
// seconds (the span then lasts to - from and starts again every period).
struct TimeWindow
{
    double from = 0.0;
    double to = -1.0;    // < 0: open-ended
    double every = -1.0; // <= 0: once

    bool contains(double elapsed) const;
};
