#pragma once

#include <QString>

// The daily debug files: for every inverter one CSV file a day,
// debug/<serial>/<year>/<month>/<yyyyMMdd>.csv in the application directory,
// rewritten whole with the day's first 1000 readings at 23:59 and when the
// program closes.
class DailyDebugFiles
{
public:
    // Writes every inverter's file of today when closing is true or the
    // program's clock shows 23:59; otherwise does nothing.
    static void saveIfDue(bool closing);
    // Writes one inverter's file of today: the header line, then its readings.
    static void saveLogFile(const QString &header, const QString &serial, qint64 inverterId);

    // The inverter's folder below debug/: the serial name without "S/N ",
    // trimmed, and with anything that would lead out of debug/ replaced.
    static QString folderName(const QString &serial);
    // "state_code,error1,...,error4," and the register names of the family, "\n"-less.
    static QString headerLine(int versionw3);

    static constexpr int kRowLimit = 1000;
};
