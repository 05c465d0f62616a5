#pragma once

#include <QtGlobal>

class CSerial;

// Writes one setting register of an inverter on the shared port, framed the
// way the inverters expect it: register 137 set to 0 (settings unlocked), a
// read of register 181, the setting's register, then 137 back to 1, also after
// a failed write. The caller has the line to itself (monitoring waits or is stopped).
class ParameterWriter
{
public:
    static constexpr quint16 kLockRegister = 0x0089;
    static constexpr quint16 kStateRegister = 0x00B5;
    static constexpr int kTimeoutMs = 100;
    // The pause that lets the inverter take a written setting before it is locked again.
    static constexpr int kSettleMs = 300;

    explicit ParameterWriter(CSerial &port);

    // True when the inverter echoed the setting's write.
    bool write(quint8 address, quint16 registerNo, quint16 word);
    // The same on a worker thread, while this thread's event loop keeps turning.
    bool writeKeepingEventsTurning(quint8 address, quint16 registerNo, quint16 word);

private:
    // One function-6 write on the port opened for it; true only for an exact echo.
    bool writeRegister(quint8 address, quint16 registerNo, quint16 value);
    void readState(quint8 address);

    CSerial &m_port;
};
