#pragma once

#include <QObject>

// The parameter item sets of the three families and the conversions of their values.
class TestParamTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void familyShapes_data();
    void familyShapes();
    void itemRanges();
    void emptySets();
    void conversions();
};
