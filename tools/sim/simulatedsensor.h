#pragma once

#include "deviceanswer.h"
#include "faultset.h"
#include "lineframes.h"
#include "scenario.h"
#include "simclock.h"

#include <QMap>
#include <QRandomGenerator>

#include <optional>

// One Modbus RTU slave (a field sensor): answers function-3 reads that come
// with its own CRC byte order, with its registers in its own byte order.
// Registers it does not define read 0.
class SimulatedSensor
{
public:
    SimulatedSensor(int slave, bool crcHighFirst, bool lowByteFirst);

    int slave() const { return m_slave; }
    void defineRegister(int reg, const ValueSpec &value) { m_registers[reg] = value; }
    FaultSet &faults() { return m_faults; }

    // None for a request it does not answer; no bytes when a fault keeps it silent.
    std::optional<DeviceAnswer> answer(const QByteArray &request, lineframes::CrcOrder order, const SimMoment &moment,
                                       QRandomGenerator &random);

private:
    int m_slave;
    bool m_crcHighFirst;
    bool m_lowByteFirst;
    QMap<int, ValueSpec> m_registers;
    FaultSet m_faults;
};
