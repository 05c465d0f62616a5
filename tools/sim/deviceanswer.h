#pragma once

#include <QByteArray>

// What one device puts on the line in answer to a request, and how much later
// than the line itself allows (a slow device).
struct DeviceAnswer
{
    QByteArray bytes;
    int delayMs = 0;
};
