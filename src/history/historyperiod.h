#pragma once

#include <QDate>
#include <QString>

// A stretch of the recorded history: the readings whose log_time lies from
// start to end. Times are "yyyy-MM-dd hh:mm:ss" and compared as text, so day 00
// and day 31 take in the whole of any month.
struct HistoryPeriod
{
    QString start;
    QString end;

    // One month, "yyyy-MM-01 00:00:00" to "yyyy-MM-31 23:59:59".
    static HistoryPeriod month(int year, int month);
    // Whole days from the first to the last.
    static HistoryPeriod days(const QDate &first, const QDate &last);
    // Whole months from the first's to the last's, day 00 to day 31.
    static HistoryPeriod months(const QDate &first, const QDate &last);
    // A whole year, January day 00 to December day 31.
    static HistoryPeriod year(int year);
};
