#pragma once

#include "history/historyperiod.h"

class QComboBox;

// The inverter, month and year choosers of the history pages, and the month a
// choice stands for.
class HistorySelectors
{
public:
    static constexpr int kFirstYear = 2009;

    // Every recorded serial name, the first one chosen; "1" to "12", the current
    // month chosen; the years from 2009 to the current one, the current one chosen.
    static void fill(QComboBox *inverter, QComboBox *month, QComboBox *year);
    static void fillYears(QComboBox *box);

    // The chosen month.
    static HistoryPeriod chosenMonth(const QComboBox *year, const QComboBox *month);
};
