#include "ui/views/historyselectors.h"

#include "base/clock.h"
#include "history/groupstore.h"

#include <QComboBox>

void HistorySelectors::fill(QComboBox *inverter, QComboBox *month, QComboBox *year)
{
    inverter->clear();
    inverter->addItems(GroupStore::serialNames());
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

HistoryPeriod HistorySelectors::chosenMonth(const QComboBox *year, const QComboBox *month)
{
    return HistoryPeriod::month(year->currentText().toInt(), month->currentText().toInt());
}
