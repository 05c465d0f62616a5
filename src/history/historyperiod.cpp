#include "history/historyperiod.h"

namespace {

QString bound(int year, int month, int day, bool end)
{
    return QStringLiteral("%1-%2-%3 %4")
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(end ? QStringLiteral("23:59:59") : QStringLiteral("00:00:00"));
}

} // namespace

HistoryPeriod HistoryPeriod::month(int year, int month)
{
    return {bound(year, month, 1, false), bound(year, month, 31, true)};
}

HistoryPeriod HistoryPeriod::days(const QDate &first, const QDate &last)
{
    return {bound(first.year(), first.month(), first.day(), false), bound(last.year(), last.month(), last.day(), true)};
}

HistoryPeriod HistoryPeriod::months(const QDate &first, const QDate &last)
{
    return {bound(first.year(), first.month(), 0, false), bound(last.year(), last.month(), 31, true)};
}

HistoryPeriod HistoryPeriod::year(int year)
{
    return {bound(year, 1, 0, false), bound(year, 12, 31, true)};
}
