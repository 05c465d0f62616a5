#pragma once

#include <QString>
#include <QVector>

// The average recorded power of one inverter per hour of the day, per day of the
// month or per month of the year over a period. A reading's power is its phase
// powers' sum (families 303, 400) or register 189, truncated toward zero; each
// average is the sum of a key's powers over their number.
class PowerAverages
{
public:
    enum Kind { Hours = 0, Days = 1, Months = 2 };

    // Bars of a kind: 24 hours (0 to 23), 32 days and 13 months (index 0 unused).
    static int barCount(Kind kind);

    // The averages of the readings of the inverter with exactly this serial
    // name from start to end, whole days ("yyyy-MM-dd 00:00:00" to
    // "yyyy-MM-dd 23:59:59", compared as text). From the hourly summary when the
    // database has it, else from the readings themselves.
    static QVector<double> compute(Kind kind, const QString &serial, const QString &start, const QString &end);

    // The two ways, each on its own.
    static QVector<double> fromSummary(Kind kind, const QString &serial, const QString &start, const QString &end);
    static QVector<double> fromReadings(Kind kind, const QString &serial, const QString &start, const QString &end);
};
