#pragma once

#include "device/devicerecord.h"

#include <QObject>

// One inverter on the line, owned by the device map and written only by the
// polling thread. All of its state is the DeviceRecord part, so
// `DeviceRecord copy = *device;` takes a snapshot.
class QDevice : public QObject, public DeviceRecord
{
    Q_OBJECT

public:
    explicit QDevice(quint8 address, QObject *parent = nullptr)
        : QObject(parent)
    {
        addr = address;
    }
};
