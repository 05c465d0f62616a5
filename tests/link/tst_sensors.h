#pragma once

#include <QObject>

class TestSensors : public QObject
{
    Q_OBJECT

private slots:
    void requestAndValueRules();
    void loaderTakesFirstFourRows();
    void passAgainstModbusSlave();
    void crcOrderRetriesAndShortReplies();
    void reloadDuringPass();
};
