#pragma once

#include <QObject>

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void decodesEveryFamily();
    void efficiencyRules();
    void offlineFaultAndReset();
    void identityTexts();
    void wordsAndBlocks();
    void monitoringTables();
};
