#pragma once

#include <QtGlobal>

#include <array>

class CCommand;
class DeviceRecord;

// Reads one inverter into its record through the frame protocol: the identity
// registers of its family, and the monitoring block with what follows from
// it. Used by the polling thread on the open shared port; the reply buffer is
// reused for every read.
class DeviceReader
{
public:
    explicit DeviceReader(CCommand &command);

    // versionw3 first, then the identity registers of the family that the new
    // versionw3 gives. A field changes only when its own read succeeds.
    void readIdentity(DeviceRecord &record);

    // The monitoring block. On success: fail_count 0, the block stored and
    // decoded, the efficiency set (the read_efficiency exchange for families
    // other than USA1) and registers 1 to 17 stored as the information block.
    // On failure: the blocks that arrived stored (zeros after them), the live
    // values reset, fail_count counted up; once the device is offline its alarm
    // memory, cacheB and last error words are cleared as well (the caller marks
    // its database row offline). Returns whether the read succeeded.
    bool readMonitoring(DeviceRecord &record);

private:
    void readIdentityMapA(DeviceRecord &record);
    void readIdentityMapB(DeviceRecord &record);
    // Each assigns only when the read succeeds.
    void readWord(quint8 addr, quint16 registerNo, int &field);
    void readText(int count, QString &field);
    void readSnName(int count, DeviceRecord &record);
    void readSnNumber(int count, DeviceRecord &record);
    quint8 *reply() { return m_reply.data(); }
    void clearReply() { m_reply.fill(0); }

    CCommand &m_command;
    std::array<quint8, 2048> m_reply{};
};
