#pragma once

#include <QObject>

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void allZeroBlockDecodesToZeros();
    void decodesEurAndUsa0();
    void decodesUsa1();
    void efficiencyRules();
    void offlineFaultAndReset();
    void identityTexts();
    void wordsAndBlocks();
    void monitoringTables();
};
