#include "link/ccommand.h"

#include "base/log.h"
#include "link/crc16.h"
#include "link/linehealth.h"
#include "link/serialline.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

namespace {

constexpr quint8 kReadRegisters = 3;
constexpr quint8 kWriteRegister = 6;
constexpr quint8 kAssignAddress = 8;
constexpr int kEchoSize = CCommand::kRequestSize;
constexpr int kSlowestBaud = 1200;

struct IdentityRegisters
{
    quint16 brand, type, snName, snNumber;
};
constexpr IdentityRegisters kMapA = {0x0306, 0x030E, 0x0316, 0x0017};
constexpr IdentityRegisters kMapB = {0x0067, 0x006F, 0x0077, 0x010A};

const IdentityRegisters &identity(CCommand::RegisterMap map)
{
    return map == CCommand::RegisterMap::B ? kMapB : kMapA;
}

// The CRC field after `covered` bytes starting at frame[1], low byte first.
void putCrc(quint8 *frame, int covered)
{
    const quint16 crc = crc16_modbus(frame + 1, covered);
    frame[1 + covered] = quint8(crc & 0xFF);
    frame[2 + covered] = quint8(crc >> 8);
}

bool crcMatches(const quint8 *frame, int length)
{
    const quint16 crc = crc16_modbus(frame + 1, length - 4);
    return frame[length - 3] == quint8(crc & 0xFF) && frame[length - 2] == quint8(crc >> 8);
}

using Reply = std::array<quint8, CCommand::kReplyBufferSize>;
using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point begin)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - begin).count();
}

} // namespace

CCommand::CCommand(SerialLine &port)
    : m_port(port)
{}

void CCommand::make_read_frame(quint8 *frame, quint8 addr, quint8 function, quint16 reg, quint16 countOrValue)
{
    make_raw_frame(frame, addr, function, quint8(reg >> 8), quint8(reg & 0xFF), quint8(countOrValue >> 8),
                   quint8(countOrValue & 0xFF));
}

void CCommand::make_raw_frame(quint8 *frame, quint8 addr, quint8 b2, quint8 b3, quint8 b4, quint8 b5, quint8 b6)
{
    const quint8 body[] = {kStart, addr, b2, b3, b4, b5, b6};
    std::copy(std::begin(body), std::end(body), frame);
    putCrc(frame, 6);
    frame[9] = kEnd;
}

int CCommand::make_burn_frame(quint8 addr, quint8 newAddr, quint8 *frame, const quint8 *identity)
{
    frame[0] = kStart;
    frame[1] = addr;
    frame[2] = kAssignAddress;
    std::copy(identity, identity + 6, frame + 3);
    frame[9] = newAddr;
    putCrc(frame, 9);
    frame[12] = kEnd;
    return 0;
}

bool CCommand::check_frame(const quint8 *bytes, int length)
{
    // At least one byte under the CRC: start, address, CRC, end.
    return length >= 5 && bytes[0] == kStart && bytes[length - 1] == kEnd && crcMatches(bytes, length);
}

const char *CCommand::reply_fault(const quint8 *reply, int count)
{
    if (count <= 0)
        return "read_by_send() read 0";
    if (count < 4 || count != reply[3] + 7)
        return "read_by_send() read not enough";
    if (reply[0] != kStart || reply[count - 1] != kEnd)
        return "read_by_send() header error";
    if (!crcMatches(reply, count))
        return "read_by_send() crc error";
    return nullptr;
}

ReplyCheck CCommand::replyCheck(const quint8 *request, const quint8 *reply, int count)
{
    ReplyCheck check;
    const int expected = 2 * request[6] + 7;
    check.taken = count > 0 && !reply_fault(reply, count);
    if (count <= 0) {
        check.timeout = true;
    } else if (check.taken) {
        check.wrongLength = count != expected;
        check.wrongAddress = reply[1] != request[1];
        check.wrongFunction = reply[2] != request[2];
    } else if (count < expected) {
        check.shortReply = true;
    } else if (check_frame(reply, count)) {
        check.wrongLength = true; // a sound frame that says another length
    } else {
        check.corrupt = true;
    }
    return check;
}

int CCommand::read_timeout(int registers) const
{
    return reply_timeout(replySize(registers));
}

int CCommand::reply_timeout(int replyBytes) const
{
    int baud = m_port.baud();
    if (baud / 10 <= 0)
        baud = kSlowestBaud; // no rate known: wait as long as the slowest line needs
    // Bytes per millisecond, kept in single precision as the timing has always been computed.
    const float bytesPerMs = float(double(baud / 10) / 1000.0);
    return kBaseTimeout + 2 * int(float(replyBytes) / bytesPerMs);
}

int CCommand::exchange(const quint8 *request, int length, int writeTimeout, quint8 *reply, int replyLength, int timeout)
{
    m_port.purge();
    if (m_port.write(request, length, writeTimeout) <= 0)
        return -1;
    return m_port.read(reply, replyLength, timeout);
}

void CCommand::pause(int ms)
{
    m_port.pause(ms);
}

int CCommand::read_by_send(const quint8 *request, int length, quint8 *reply, int timeout, bool retry)
{
    if (m_port.is_closed())
        return -5;
    if (length < kRequestSize)
        return 0;
    const int expected = 2 * request[6] + 7; // at most kReplyBufferSize
    LineHealth::Exchange counted(LineDevice::inverter(request[1]));
    for (int attempt = 0;; ++attempt) {
        const Steady::time_point began = m_health ? Steady::now() : Steady::time_point();
        const int count = exchange(request, length, timeout, reply, expected, timeout);
        const char *failure = count < 0 ? "read_by_send() send fail" : reply_fault(reply, count);
        if (m_health)
            counted.addTry(replyCheck(request, reply, count), msSince(began));
        if (!failure) {
            if (m_health)
                m_health->count(counted);
            pause(10);
            return count;
        }
        write_log(QString::fromLatin1(failure));
        if (!retry || attempt > 0) {
            if (m_health)
                m_health->count(counted);
            return 0;
        }
    }
}

int CCommand::write_by_send(const quint8 *request, int length, quint8 *reply, int writeTimeout)
{
    if (length < kRequestSize)
        return 0;
    pause(20);
    const int count = exchange(request, length, writeTimeout, reply, kEchoSize, reply_timeout(27));
    const int echoed = std::max(0, count);
    int code = 0; // nothing written
    if (count >= 0)
        code = echoed < kEchoSize ? -1 : std::equal(reply, reply + kEchoSize, request) ? kEchoSize : -4;
    if (code != kEchoSize)
        write_log(QString::asprintf("[error] write_by_send fail, ret: %d, addr: %d, cmd: %d %d", code, request[1],
                                    request[3], request[4]));
    pause(20);
    return echoed;
}

int CCommand::write_with_retry(const quint8 *request, int length, quint8 *reply, int writeTimeout, int retries)
{
    int result = write_by_send(request, length, reply, writeTimeout);
    for (int repeated = 0; result <= 0 && repeated < retries; ++repeated)
        result = write_by_send(request, length, reply, writeTimeout);
    return result;
}

int CCommand::write_register(quint8 addr, quint16 reg, quint16 value, int writeTimeout)
{
    if (!m_port.reopen())
        return 0;
    quint8 request[kRequestSize];
    make_read_frame(request, addr, kWriteRegister, reg, value);
    Reply echo;
    const int result = write_with_retry(request, kRequestSize, echo.data(), writeTimeout, 2);
    m_port.close();
    return result;
}

int CCommand::readRegisters(quint8 addr, quint8 *reply, quint16 reg, quint16 count, bool retry, const char *failure,
                            int timedAs)
{
    quint8 request[kRequestSize];
    make_read_frame(request, addr, kReadRegisters, reg, count);
    const int result = read_by_send(request, kRequestSize, reply, read_timeout(timedAs > 0 ? timedAs : count), retry);
    if (result < 0 && failure)
        write_log(QString::fromLatin1(failure));
    return result;
}

int CCommand::get_brand_name(quint8 addr, quint8 *reply, RegisterMap map)
{
    return readRegisters(addr, reply, identity(map).brand, 8, true, "get_brand_name fail");
}

int CCommand::get_type_name(quint8 addr, quint8 *reply, RegisterMap map)
{
    return readRegisters(addr, reply, identity(map).type, 8, true, nullptr);
}

int CCommand::get_sn_name(quint8 addr, quint8 *reply, RegisterMap map, bool retry)
{
    return readRegisters(addr, reply, identity(map).snName, 8, map == RegisterMap::A && retry, "get_sn_name fail.");
}

int CCommand::get_sn_number(quint8 addr, quint8 *reply, RegisterMap map)
{
    return readRegisters(addr, reply, identity(map).snNumber, 2, true, "get_sn_number fail.");
}

int CCommand::read_word(quint8 addr, quint8 *reply, quint16 reg)
{
    return readRegisters(addr, reply, reg, 1, true, nullptr);
}

bool CCommand::read_word_21(quint8 addr, quint8 *reply)
{
    return read_word(addr, reply, 0x0015) > 0;
}

bool CCommand::read_word_22(quint8 addr, quint8 *reply)
{
    return read_word(addr, reply, 0x0016) > 0;
}

int CCommand::read_monitor_data(quint8 addr, quint8 *block)
{
    struct Segment
    {
        quint16 reg, count;
    };
    static const Segment kSegments[] = {{0x00B5, 15}, {0x00C4, 15}, {0x00D3, 15},
                                        {0x00E2, 15}, {0x00F1, 15}, {0x0100, 14}};
    Reply reply;
    int offset = 0;
    for (const Segment &segment : kSegments) {
        const int dataBytes = 2 * segment.count;
        // A reply that carries fewer registers than asked for would leave a gap in the block.
        if (readRegisters(addr, reply.data(), segment.reg, segment.count, true, nullptr) < replySize(segment.count))
            return 0;
        std::memcpy(block + offset, reply.data() + 4, size_t(dataBytes));
        offset += dataBytes;
    }
    return 1;
}

int CCommand::read_low_registers(quint8 addr, quint8 *out)
{
    // Each block goes to the place of its registers: 1 to 11 at 0, 12 to 22 at 22.
    Reply reply;
    const int first = readRegisters(addr, reply.data(), 0x0001, 11, true, nullptr);
    if (first > replySize(0))
        std::memcpy(out, reply.data() + 4, size_t(first - replySize(0)));
    // The second read has always been timed for ten registers.
    const int second = readRegisters(addr, reply.data(), 0x000C, 11, true, nullptr, 10);
    if (second > replySize(0))
        std::memcpy(out + 22, reply.data() + 4, size_t(second - replySize(0)));
    return 1;
}

float CCommand::read_efficiency(quint8 addr, quint8 *reply)
{
    // Both registers are always asked for. A value needs a reply of at least
    // 9 bytes (two data bytes).
    const bool numeratorRead = readRegisters(addr, reply, 0x00C1, 1, true, nullptr) >= replySize(1);
    const quint16 numerator = numeratorRead ? reply_word(reply) : 0;
    const bool denominatorRead = readRegisters(addr, reply, 0x00F7, 1, true, nullptr) >= replySize(1);
    const quint16 denominator = denominatorRead ? reply_word(reply) : 0;
    if (!numeratorRead || !denominatorRead || numerator == 0 || denominator == 0)
        return 0.0f;
    return float(numerator) / float(denominator);
}

QString CCommand::get_serial_number(quint8 addr, quint8 *reply)
{
    if (readRegisters(addr, reply, 0x0017, 15, false, nullptr) != replySize(15))
        return QString();
    const int high = word_at(reply, 4);
    const int low = word_at(reply, 6);
    const int count = readRegisters(addr, reply, 0x0056, 1, false, nullptr);
    const int prefix = (count == replySize(1) && check_frame(reply, count)) ? reply_word(reply) : 0;
    return QString::asprintf("%04d%04d%04d", prefix, high, low);
}

quint16 CCommand::reply_word(const quint8 *reply)
{
    return word_at(reply, 4);
}

quint16 CCommand::word_at(const quint8 *buffer, int offset)
{
    return qFromBigEndian<quint16>(buffer + offset);
}

quint16 CCommand::monitor_word(const quint8 *block, int reg)
{
    const int offset = 2 * (reg - 0x00B5);
    return (offset >= 0 && offset + 1 < kMonitorBlockSize) ? word_at(block, offset) : 0;
}

quint16 CCommand::low_word(const quint8 *block, int reg)
{
    const int offset = 2 * (reg - 1);
    return (offset >= 0 && offset + 1 < kLowBlockSize) ? word_at(block, offset) : 0;
}

QString CCommand::reply_text(const quint8 *reply, int count)
{
    QString text;
    for (int i = 4; i <= count - 4; ++i)
        text += QChar(reply[i]); // Latin-1; a zero byte stays a NUL character
    return text.trimmed();
}

QString CCommand::trim_sn_name(const QString &text)
{
    QString name = text.trimmed();
    if (name.endsWith(QChar(0)))
        name.chop(1);
    if (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}
