#pragma once

#include <QObject>

// The pages of the picked inverter: live values, information, the page guards.
class TestRealTimePage : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndValuesPerFamily();
    void offlineInvertersShowOnlyTheirInformation();
    void windowHoldsAndForwardsToThePages();
};

// The key-parameter table.
class TestKeyParameters : public QObject
{
    Q_OBJECT

private slots:
    void valuesAndPseudoCodesPerFamily();
    void redrawKeepsSortOrderAndCurrentRow();
};
