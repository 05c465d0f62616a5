#pragma once

#include <QString>

class QComboBox;

// The inverter, month and year choosers of the history pages, and the month a
// choice stands for.
class HistorySelectors
{
public:
    static constexpr int kFirstYear = 2009;

    // Every recorded serial name, the first one chosen.
    static void fillInverters(QComboBox *box);
    // "1" to "12", the current month chosen.
    static void fillMonths(QComboBox *box);
    // The years from 2009 to the current one, the current one chosen.
    static void fillYears(QComboBox *box);

    // From "yyyy-MM-01 00:00:00" to "yyyy-MM-31 23:59:59" for every month: the
    // bounds are compared as text, so day 31 covers the shorter months too.
    static QString monthStart(const QString &year, int month);
    static QString monthEnd(const QString &year, int month);
};
