#pragma once

#include "scenario.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

// The faults of one device, each active during its window of simulated time.
class FaultSet
{
public:
    FaultSet() = default;
    explicit FaultSet(const QVector<FaultSpec> &faults)
        : m_faults(faults)
    {}

    const QVector<FaultSpec> &faults() const { return m_faults; }
    void set(const QVector<FaultSpec> &faults) { m_faults = faults; }
    void add(const FaultSpec &fault) { m_faults.append(fault); }

    // The first fault of this type whose window holds `elapsed`, or null.
    const FaultSpec *active(FaultSpec::Type type, double elapsed) const;

    // Spoils a finished reply as the active faults say (short, garbled, wrong
    // CRC) and returns the extra delay in ms of an active slow fault. The CRC
    // is the last two bytes, or the two before the end byte of an inverter frame.
    int spoil(QByteArray &reply, bool endByte, double elapsed, QRandomGenerator &random) const;

private:
    QVector<FaultSpec> m_faults;
};
