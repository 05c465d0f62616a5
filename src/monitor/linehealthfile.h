#pragma once

#include "link/linkstats.h"

#include <QDateTime>
#include <QMap>
#include <QString>

// The line health's daily file beside the daily debug files:
// debug/line-health-<yyyyMMdd>.csv in the application directory, one row per
// device and clock hour with that hour's counts, appended when the hour is over.
class LineHealthFile
{
public:
    // Appends the rows of the hour that began at `hour` to that day's file,
    // after the header line when the file is new; an inverter's serial name
    // comes from `serials` (by bus address). False (and a log line) when the
    // file cannot be written.
    static bool appendHour(const QDateTime &hour, const LineHealthReport &report, const QMap<int, QString> &serials);
};
