#pragma once

#include <QObject>

class TestTotals : public QObject
{
    Q_OBJECT

private slots:
    void computesTotals();
    void textsAndCurrency_data();
    void textsAndCurrency();
    void runEmitsInOrderAndStops();
};
