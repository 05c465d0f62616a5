#pragma once

#include "deviceanswer.h"
#include "faultset.h"
#include "scenario.h"
#include "simclock.h"

#include <QHash>
#include <QRandomGenerator>
#include <QVector>

#include <optional>

// One inverter on the line: its bus address, its registers (identity,
// scenario values, live monitoring values, schedules, written values) and its
// faults; answers the functions 3, 6, 8 and 9 of the inverter protocol.
class SimulatedInverter
{
public:
    explicit SimulatedInverter(const InverterSpec &definition);

    int address() const { return m_address; }
    void setAddress(int address) { m_address = address; }
    // Identity registers at 103 / 111 / 119 / 265 ... (versionw3 303 or 400) rather than 774 / 782 / 790 / 86 ...
    bool usesMapB() const;

    // A value that stays until cleared, as a function-6 write leaves it.
    void setRegister(int reg, quint16 value) { m_written[reg] = value; }
    void clearRegister(int reg) { m_written.remove(reg); }
    FaultSet &faults() { return m_faults; }
    const FaultSet &faults() const { return m_faults; }

    // What a read of `count` registers from `first` gives at this moment.
    QVector<quint16> read(int first, int count, const SimMoment &moment) const;
    // Six bytes: model number, serial-number high word, serial-number low word.
    QByteArray identity(const SimMoment &moment) const;

    // The answer to a request at its address; none when it does not answer
    // such a request, no bytes when a fault keeps it silent.
    std::optional<DeviceAnswer> answer(const QByteArray &request, const SimMoment &moment, QRandomGenerator &random);

private:
    int serialTextRegister() const;
    quint16 valueOf(int reg, const SimMoment &moment, const QHash<int, quint16> &live) const;
    QByteArray readReply(int first, int count, const SimMoment &moment) const;
    QByteArray identityReply(const SimMoment &moment) const;
    std::optional<QByteArray> assignAddress(const QByteArray &request, const SimMoment &moment);
    bool monitoringReadAllowed(int first, int count, double elapsed);

    InverterSpec m_definition;
    int m_address;
    QHash<int, quint16> m_identity;
    QHash<int, quint16> m_written;
    FaultSet m_faults;
    int m_monitoringReads = 0; // of the current pass over the monitoring block
    bool m_readdressed = false;
};
