#pragma once

#include <QObject>

class TestPlantReads : public QObject
{
    Q_OBJECT

private slots:
    void everyInverterInFull();
    void faultsFailTheRead();
};
