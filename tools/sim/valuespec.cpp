#include "valuespec.h"

#include <cmath>

ValueSpec ValueSpec::constant(quint16 value)
{
    ValueSpec definition;
    definition.m_constant = value;
    return definition;
}

ValueSpec ValueSpec::daylight(const DaylightCurve &curve, double peak, double offset)
{
    ValueSpec definition;
    definition.m_kind = Kind::Daylight;
    definition.m_curve = curve;
    definition.m_peak = peak;
    definition.m_offset = offset;
    return definition;
}

ValueSpec ValueSpec::energy(Kind word, const DaylightCurve &curve, double peakWatts, double startKWh)
{
    ValueSpec definition;
    definition.m_kind = word;
    definition.m_curve = curve;
    definition.m_peak = peakWatts;
    definition.m_offset = startKWh;
    return definition;
}

quint16 ValueSpec::valueAt(const SimMoment &moment) const
{
    switch (m_kind) {
    case Kind::Constant:
        return m_constant;
    case Kind::Daylight:
        return toWord(m_offset + m_peak * m_curve.shape(moment.now));
    case Kind::EnergyHigh:
    case Kind::EnergyLow: {
        const double kWh = m_offset + m_peak * m_curve.shapeSeconds(moment.start, moment.now) / 3.6e6;
        return m_kind == Kind::EnergyHigh ? energyHighWord(kWh) : energyLowWord(kWh);
    }
    }
    return 0;
}

quint16 ValueSpec::energyHighWord(double kWh)
{
    const double tenths = std::floor(std::max(kWh, 0.0) * 10.0);
    return quint16(std::min(tenths / 10000.0, 65535.0));
}

quint16 ValueSpec::energyLowWord(double kWh)
{
    const double tenths = std::floor(std::max(kWh, 0.0) * 10.0);
    return quint16(std::fmod(tenths, 10000.0));
}

quint16 ValueSpec::toWord(double value)
{
    const long rounded = std::lround(std::min(std::max(value, -32768.0), 65535.0));
    return quint16(rounded & 0xFFFF);
}
