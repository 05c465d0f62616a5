#pragma once

#include <QObject>

// The pages of the picked inverter: live values, information, the page guards;
// the line health on the information page and in its own window.
class TestRealTimePage : public QObject
{
    Q_OBJECT

private slots:
    void rowsAndValuesPerFamily();
    void offlineInvertersShowOnlyTheirInformation();
    void windowHoldsAndForwardsToThePages();
    void lineHealthOfTheInverterAndOfTheLine();
};

// The key-parameter table.
class TestKeyParameters : public QObject
{
    Q_OBJECT

private slots:
    void valuesAndPseudoCodesPerFamily();
    void redrawKeepsSortOrderAndCurrentRow();
};
