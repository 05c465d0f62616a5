#pragma once

#include <QObject>

class TestMqttProblems : public QObject
{
    Q_OBJECT

private slots:
    void refusedLogin();
    void unreachable_data();
    void unreachable();
    void badSettings();
    void tlsVerifiesTheBroker();
    void queueKeepsADay();
};
