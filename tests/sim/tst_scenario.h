#pragma once

#include <QObject>

class TestScenario : public QObject
{
    Q_OBJECT

private slots:
    void rejectsBadFields_data();
    void rejectsBadFields();
    void syntaxErrorNamesLineAndColumn();
    void shippedScenariosLoad();
    void liveValuesFollowTheDay();
};
