#include "device/devicereader.h"

#include "device/devicerecord.h"
#include "device/monitordecoder.h"
#include "link/ccommand.h"

namespace {
constexpr quint16 kRegVersionW3 = 133;
constexpr quint16 kRegTypeNo = 18;
// Map A (families EUR and USA0).
constexpr quint16 kRegModelNameA = 86;
constexpr quint16 kRegCurrentVerA = 134;
constexpr quint16 kRegSequenceVerA = 131;
// Map B (family USA1).
constexpr quint16 kRegModelNameB = 265;
constexpr quint16 kRegCurrentVerB = 270;
constexpr quint16 kRegSequenceVerB = 269;
// Registers 1 to 17 of the low-register read.
constexpr int kInfoBytesKept = 34;
// Whole replies: a shorter frame is valid on the line, but its missing
// registers would be read from the CRC and end bytes.
constexpr int kTextReplySize = CCommand::replySize(8);
constexpr int kSnNumberReplySize = CCommand::replySize(2);
constexpr int kWordReplySize = CCommand::replySize(1);

// A text register block ends at its first zero byte: registers that read zero
// hold no text, and none of it may reach the database.
QString textOf(const quint8 *reply, int count)
{
    const QString text = CCommand::reply_text(reply, count);
    const int end = text.indexOf(QChar(0));
    return end < 0 ? text : text.left(end).trimmed();
}
} // namespace

DeviceReader::DeviceReader(CCommand &command)
    : m_command(command)
{}

void DeviceReader::readIdentity(DeviceRecord &record)
{
    readWord(record.addr, kRegVersionW3, record.versionw3);
    if (record.isUSA1Family())
        readIdentityMapB(record);
    else
        readIdentityMapA(record);
}

void DeviceReader::readIdentityMapB(DeviceRecord &record)
{
    const quint8 addr = record.addr;
    const auto map = CCommand::RegisterMap::B;
    readText(m_command.get_brand_name(addr, reply(), map), record.brand_name);
    readSnName(m_command.get_sn_name(addr, reply(), map, false), record);
    readSnNumber(m_command.get_sn_number(addr, reply(), map), record);
    readText(m_command.get_type_name(addr, reply(), map), record.type_name);
    readWord(addr, kRegModelNameB, record.model_name_ee);
    readWord(addr, kRegCurrentVerB, record.current_ver);
    readWord(addr, kRegSequenceVerB, record.sequence_ver);
    readWord(addr, kRegTypeNo, record.type_no);
}

void DeviceReader::readIdentityMapA(DeviceRecord &record)
{
    const quint8 addr = record.addr;
    const auto map = CCommand::RegisterMap::A;
    readText(m_command.get_brand_name(addr, reply(), map), record.brand_name);
    readText(m_command.get_type_name(addr, reply(), map), record.type_name);
    readSnName(m_command.get_sn_name(addr, reply(), map, true), record);
    readSnNumber(m_command.get_sn_number(addr, reply(), map), record);
    readWord(addr, kRegTypeNo, record.type_no);
    readWord(addr, kRegModelNameA, record.model_name_ee);
    readWord(addr, kRegCurrentVerA, record.current_ver);
    readWord(addr, kRegSequenceVerA, record.sequence_ver);
}

void DeviceReader::readWord(quint8 addr, quint16 registerNo, int &field)
{
    if (m_command.read_word(addr, reply(), registerNo) >= kWordReplySize)
        field = CCommand::reply_word(reply());
}

void DeviceReader::readText(int count, QString &field)
{
    if (count >= kTextReplySize)
        field = textOf(reply(), count);
}

void DeviceReader::readSnName(int count, DeviceRecord &record)
{
    if (count >= kTextReplySize)
        record.sn_name = CCommand::trim_sn_name(textOf(reply(), count));
}

void DeviceReader::readSnNumber(int count, DeviceRecord &record)
{
    if (count >= kSnNumberReplySize)
        record.setSnNumber(reply());
}

bool DeviceReader::readMonitoring(DeviceRecord &record)
{
    clearReply();
    if (m_command.read_monitor_data(record.addr, reply()) <= 0) {
        countFailure(record);
        return false;
    }

    record.fail_count = 0;
    record.setMonitorBlock(reply());
    decodeMonitorBlock(record);
    if (record.isUSA1Family())
        setEfficiencyFromPowers(record);
    else
        setEfficiencyFromQuotient(record, m_command.read_efficiency(record.addr, reply()));

    clearReply();
    if (m_command.read_low_registers(record.addr, reply()) > 0)
        record.setInfoBlock(reply(), kInfoBytesKept);
    return true;
}

void DeviceReader::countUnreachable(DeviceRecord &record)
{
    clearReply();
    countFailure(record);
}

void DeviceReader::countFailure(DeviceRecord &record)
{
    record.setMonitorBlock(reply());
    record.resetLiveValues();
    ++record.fail_count;
    if (record.isOffline()) {
        record.forgetInverterMemory();
    }
}
