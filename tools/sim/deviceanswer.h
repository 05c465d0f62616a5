#pragma once

#include "scenario.h"

#include <QByteArray>
#include <QVector>

// What one device puts on the line in answer to a request (nothing when a
// fault keeps it silent), how much later than the line itself allows (a slow
// device), and the reply faults that struck it.
struct DeviceAnswer
{
    QByteArray bytes;
    int delayMs = 0;
    QVector<FaultSpec::Type> struck;
};
