#pragma once

#include <QObject>

// The error tables of the three families and the two state tables.
class TestErrorTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void completeSets_data();
    void completeSets();
    void familySelection_data();
    void familySelection();
    void lookupBounds();
    void decodeOrder();
    void stateNames();
};
