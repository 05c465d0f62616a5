#include "livevalues.h"

#include "valuespec.h"

#include <QVector>

#include <cmath>

namespace {

struct PvString
{
    int index; // 0 = A, 1 = B, 2 = C
    double volts;
    double watts;
    double amps;
};

} // namespace

QHash<int, quint16> LiveValues::registers(const LiveSpec &live, DeviceFamily family, bool threeString,
                                          const SimMoment &moment)
{
    using V = ValueSpec;
    const double bell = live.curve.shape(moment.now);
    const double pac = live.peakPower * bell;
    const double pdc = pac / live.efficiency;
    const bool producing = pac >= 1.0;

    QVector<int> stringIndexes = {0};
    if (family == DeviceFamily::USA1)
        stringIndexes = {0, 1};
    else if (family == DeviceFamily::EUR)
        stringIndexes = threeString ? QVector<int>{0, 1, 2} : QVector<int>{0, 2};
    QVector<PvString> strings;
    for (int index : stringIndexes) {
        PvString s{index, 0.0, 0.0, 0.0};
        if (producing) {
            s.volts = live.pvVoltage * (0.9 + 0.1 * bell) + 5.0 * index;
            s.watts = pdc / stringIndexes.size();
            s.amps = s.watts / s.volts;
        }
        strings << s;
    }

    const double energy = live.energy + live.peakPower * live.curve.shapeSeconds(moment.start, moment.now) / 3.6e6;
    const double stringEnergy = energy / live.efficiency / stringIndexes.size();
    const double today = live.peakPower * live.curve.shapeSecondsToday(moment.now) / 3.6e6;
    const double hoursToday = live.curve.daylightSecondsToday(moment.now) / 3600.0;
    const qint64 onSeconds =
        qint64(live.hours * 3600.0 + std::max(0.0, live.curve.daylightSeconds(moment.start, moment.now)));
    const double temperature = 20.0 + (live.temperature - 20.0) * bell;

    QHash<int, quint16> r;
    if (family == DeviceFamily::USA1) {
        r[181] = producing ? kProducingState : kWaitingStateUSA1;
        for (const PvString &s : strings) {
            r[186 + s.index] = V::toWord(s.volts * 10);
            r[188 + s.index] = V::toWord(s.amps * 10);
            r[190 + s.index] = V::toWord(s.watts);
            r[204 + 2 * s.index] = V::energyHighWord(stringEnergy);
            r[205 + 2 * s.index] = V::energyLowWord(stringEnergy);
        }
        for (int phase = 0; phase < 3; ++phase) {
            r[192 + 3 * phase] = V::toWord(live.acVoltage * 10);
            r[193 + 3 * phase] = V::toWord(pac / 3 / live.acVoltage * 10);
            r[194 + 3 * phase] = V::toWord(pac / 3);
        }
        r[201] = V::toWord(live.frequency * 100);
        r[202] = V::energyHighWord(energy);
        r[203] = V::energyLowWord(energy);
        r[208] = V::toWord(std::min(hoursToday * 1800, 65535.0));
        r[212] = V::toWord(temperature * 10);
        r[213] = V::toWord(today * 10);
        r[214] = quint16(std::min<qint64>(onSeconds / 3600, 65535));
        r[215] = quint16(onSeconds / 60 % 60);
        r[216] = quint16(onSeconds % 60);
        r[229] = std::abs(live.frequency - 60.0) < std::abs(live.frequency - 50.0) ? 60 : 50;
        return r;
    }

    r[181] = producing ? kProducingState : kWaitingState;
    for (const PvString &s : strings) {
        r[186 + s.index] = V::toWord(s.volts * 10);
        r[189 + s.index] = V::toWord(s.watts);
        r[198 + 2 * s.index] = V::energyHighWord(stringEnergy);
        r[199 + 2 * s.index] = V::energyLowWord(stringEnergy);
        r[225 + s.index] = V::toWord(s.amps * 10);
    }
    r[192] = V::toWord(live.acVoltage * 10);
    r[193] = V::toWord(pac);
    r[194] = V::toWord(pac / live.acVoltage * 10);
    r[195] = V::toWord(live.frequency * 100);
    r[196] = V::energyHighWord(energy);
    r[197] = V::energyLowWord(energy);
    r[204] = V::toWord(std::min(hoursToday * 2048, 65535.0));
    r[206] = V::toWord(temperature * 10);
    r[209] = quint16(std::min<qint64>(onSeconds / 3600, 65535));
    r[210] = quint16(onSeconds / 60 % 60);
    r[211] = quint16(onSeconds % 60);
    r[217] = V::toWord(today * 10);
    r[247] = V::toWord(pdc);
    return r;
}
