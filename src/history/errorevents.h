#pragma once

#include "history/historyperiod.h"

#include <QStringList>
#include <QVector>

// The error events of the history: the readings of one inverter whose error
// words were not all zero, as the event list shows them.
class ErrorEvents
{
public:
    // The columns: log_time, state_code, err1 to err4.
    static constexpr int kColumns = 6;
    static constexpr int kFirstErrorColumn = 2;

    // The events of the inverter with exactly this serial name over the period,
    // 20000 at most, one row of texts each; the error words in hexadecimal ("1001 H").
    static QVector<QStringList> query(const QString &serial, const HistoryPeriod &period);
    // An error word of a row again; 0 for a text that is none.
    static int errorWord(const QString &text);
    // The family number (versionw3) of the inverter's row; 0 when it has none.
    static int familyOf(const QString &serial);
};
