#pragma once

#include "link/linedevice.h"
#include "link/linkcounts.h"

#include <QMetaType>
#include <QVector>

// How one device's exchanges went, as a plain value for the other threads:
// its counts and the round-trip times of the replies taken.
struct LinkStats
{
    LineDevice device;
    LinkCounts counts;
    // In ms; -1 before the first reply.
    double roundTripLastMs = -1.0;
    double roundTripMeanMs = -1.0;
    double roundTripP95Ms = -1.0;

    // Below this link quality, in per cent, a device's line needs looking at.
    static constexpr double kWeakBelow = 95.0;

    // In per cent; -1 before the first exchange.
    double linkQuality() const { return counts.linkQuality(); }
    bool isWeak() const { return counts.exchanges > 0 && linkQuality() < kWeakBelow; }
};

// Every device the polling has asked, inverters first, by ascending address.
using LineHealthReport = QVector<LinkStats>;
Q_DECLARE_METATYPE(LineHealthReport)
