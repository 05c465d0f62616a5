#pragma once

#include "daylightcurve.h"
#include "simclock.h"

#include <QtGlobal>

// The value of one register (or sensor register) over time: a constant, a
// daylight curve (offset + peak x bell), or one word of an energy counter that
// grows with the energy a daylight power curve produces.
class ValueSpec
{
public:
    enum class Kind { Constant, Daylight, EnergyHigh, EnergyLow };

    ValueSpec() = default;
    static ValueSpec constant(quint16 value);
    static ValueSpec daylight(const DaylightCurve &curve, double peak, double offset);
    // startKWh at the start of the simulation, growing with peakWatts x curve.
    static ValueSpec energy(Kind word, const DaylightCurve &curve, double peakWatts, double startKWh);

    Kind kind() const { return m_kind; }
    quint16 valueAt(const SimMoment &moment) const;

    // The two words of an energy value: _H counts MWh, _L tenths of a kWh below that.
    static quint16 energyHighWord(double kWh);
    static quint16 energyLowWord(double kWh);
    // Rounds into a register word (0 ... 65535; negative values as two's complement down to -32768).
    static quint16 toWord(double value);

private:
    Kind m_kind = Kind::Constant;
    quint16 m_constant = 0;
    DaylightCurve m_curve;
    double m_peak = 0.0;
    double m_offset = 0.0;
};
