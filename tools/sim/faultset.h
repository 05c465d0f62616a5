#pragma once

#include "deviceanswer.h"
#include "scenario.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

// The faults of one device, each active during its window of simulated time;
// a reply fault strikes the share of replies its probability gives, drawn from
// the device's own generator, so that a seed repeats the same replies.
class FaultSet
{
public:
    FaultSet() = default;
    explicit FaultSet(const QVector<FaultSpec> &faults)
        : m_faults(faults)
    {}

    // Restarts the draws from the scenario's seed and the device's number.
    void seed(quint32 scenarioSeed, quint32 device);

    const QVector<FaultSpec> &faults() const { return m_faults; }
    void set(const QVector<FaultSpec> &faults) { m_faults = faults; }
    void add(const FaultSpec &fault) { m_faults.append(fault); }

    // The first fault of this type whose window holds `elapsed`, or null.
    const FaultSpec *active(FaultSpec::Type type, double elapsed) const;
    // The active fault of this type when it strikes this reply (one draw per call).
    const FaultSpec *strikes(FaultSpec::Type type, double elapsed);

    // Spoils a finished reply as the faults that strike it say (short,
    // garbled, wrong CRC; a slow one sets the extra delay in ms). The CRC is
    // the last two bytes, or the two before the end byte of an inverter frame.
    void spoil(DeviceAnswer &answer, bool endByte, double elapsed, QRandomGenerator &random);

private:
    QVector<FaultSpec> m_faults;
    QRandomGenerator m_draws;
};
