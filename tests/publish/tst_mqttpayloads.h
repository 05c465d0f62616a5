#pragma once

#include <QObject>

class TestMqttPayloads : public QObject
{
    Q_OBJECT

private slots:
    void mixedPlantAndItsDiscovery();
};
