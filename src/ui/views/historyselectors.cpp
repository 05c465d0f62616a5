#include "ui/views/historyselectors.h"

#include "base/clock.h"
#include "db/readconnection.h"

#include <QComboBox>

void HistorySelectors::fill(QComboBox *inverter, QComboBox *month, QComboBox *year)
{
    inverter->clear();
    for (const DbRow &row : ReadConnection::query(QStringLiteral("SELECT DISTINCT sn_name FROM orva_inverter")))
        inverter->addItem(row.value(QStringLiteral("sn_name")));
    inverter->setCurrentIndex(0);
    month->clear();
    for (int number = 1; number <= 12; ++number)
        month->addItem(QString::number(number));
    month->setCurrentIndex(Clock::instance().now().date().month() - 1);
    fillYears(year);
}

void HistorySelectors::fillYears(QComboBox *box)
{
    box->clear();
    const int current = Clock::instance().now().date().year();
    for (int year = kFirstYear; year <= current; ++year)
        box->addItem(QString::number(year));
    box->setCurrentIndex(box->count() - 1);
}

HistorySelectors::Period HistorySelectors::chosenMonth(const QComboBox *year, const QComboBox *month)
{
    const QString prefix =
        QStringLiteral("%1-%2-").arg(year->currentText()).arg(month->currentText().toInt(), 2, 10, QLatin1Char('0'));
    return {prefix + QStringLiteral("01 00:00:00"), prefix + QStringLiteral("31 23:59:59")};
}
