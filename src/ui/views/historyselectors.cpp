#include "ui/views/historyselectors.h"

#include "base/clock.h"
#include "db/readconnection.h"

#include <QComboBox>

void HistorySelectors::fillInverters(QComboBox *box)
{
    box->clear();
    for (const DbRow &row : ReadConnection::query(QStringLiteral("SELECT DISTINCT sn_name FROM orva_inverter")))
        box->addItem(row.value(QStringLiteral("sn_name")));
    box->setCurrentIndex(0);
}

void HistorySelectors::fillMonths(QComboBox *box)
{
    box->clear();
    for (int month = 1; month <= 12; ++month)
        box->addItem(QString::number(month));
    box->setCurrentIndex(Clock::instance().now().date().month() - 1);
}

void HistorySelectors::fillYears(QComboBox *box)
{
    box->clear();
    const int current = Clock::instance().now().date().year();
    for (int year = kFirstYear; year <= current; ++year)
        box->addItem(QString::number(year));
    box->setCurrentIndex(box->count() - 1);
}

QString HistorySelectors::monthStart(const QString &year, int month)
{
    return QStringLiteral("%1-%2-01 00:00:00").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

QString HistorySelectors::monthEnd(const QString &year, int month)
{
    return QStringLiteral("%1-%2-31 23:59:59").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}
