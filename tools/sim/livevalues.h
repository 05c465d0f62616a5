#pragma once

#include "device/devicefamily.h"
#include "scenario.h"
#include "simclock.h"

#include <QHash>

// The monitoring registers (181 to 269) of a producing inverter, laid out as
// its family reports them: PV strings, AC side per phase for USA1, frequency,
// energy counters, operating times, temperature, and for the other families
// registers 193 / 247, which the efficiency is read from. All follow one
// daylight power curve, so the values agree with each other.
class LiveValues
{
public:
    // Three strings only for EUR models with three strings (model 460).
    static QHash<int, quint16> registers(const LiveSpec &live, DeviceFamily family, bool threeString,
                                         const SimMoment &moment);

    // State codes while producing and while waiting for the sun.
    static constexpr quint16 kProducingState = 50;
    static constexpr quint16 kWaitingState = 30;     // "Wait mode"
    static constexpr quint16 kWaitingStateUSA1 = 31; // "Low Illumination mode"
    static constexpr quint16 kFaultState = 60;
};
