#pragma once

#include <QString>

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

    // The chosen month from "yyyy-MM-01 00:00:00" to "yyyy-MM-31 23:59:59": the
    // bounds are compared as text, so day 31 covers the shorter months too.
    struct Period
    {
        QString start;
        QString end;
    };
    static Period chosenMonth(const QComboBox *year, const QComboBox *month);
};
