#pragma once

#include "link/replycheck.h"

#include <QString>
#include <QtGlobal>

class LineHealth;
class SerialLine;

// The inverters' frame protocol: Modbus-like request and reply bodies (address,
// function, register, count, CRC-16) between a start byte 0x0A and an end byte
// 0x0D. Builds frames, exchanges them over the serial port it is given,
// validates replies; reply timeouts follow that port's baud rate. Stateless
// apart from the port and the line health it counts into; every user makes its
// own. The one exchange routine and the one reply-timeout formula of the line,
// also for the search.
class CCommand
{
public:
    // Identity registers: map B for versionw3 303 or 400, map A for the rest.
    enum class RegisterMap { A, B };

    static constexpr quint8 kStart = 0x0A;
    static constexpr quint8 kEnd = 0x0D;
    static constexpr int kRequestSize = 10;
    static constexpr int kBurnFrameSize = 13;
    static constexpr int kMonitorBlockSize = 178; // registers 0x00B5 to 0x010D
    static constexpr int kLowBlockSize = 44;      // registers 0x0001 to 0x0016
    // Every reply buffer handed to CCommand holds at least this many bytes: the
    // longest reply a 10-byte request can ask for (255 registers).
    static constexpr int kReplyBufferSize = 2 * 255 + 7;

    explicit CCommand(SerialLine &port);

    // Every read exchange (read_by_send) is counted into health from now on:
    // its tries, their replies and the round trip. nullptr: none is counted.
    // The counting changes no byte and no wait on the line.
    void setLineHealth(LineHealth *health) { m_health = health; }

    static void make_read_frame(quint8 *frame, quint8 addr, quint8 function, quint16 reg, quint16 countOrValue);
    static void make_raw_frame(quint8 *frame, quint8 addr, quint8 b2, quint8 b3, quint8 b4, quint8 b5, quint8 b6);
    static int make_burn_frame(quint8 addr, quint8 newAddr, quint8 *frame, const quint8 *identity);
    static bool check_frame(const quint8 *bytes, int length);
    // Why read_by_send rejects a read reply of count bytes (its log text), or
    // nullptr when the reply is sound: length as its byte 3 says, start, end, CRC.
    static const char *reply_fault(const quint8 *reply, int count);
    // What the line health makes of a reply of count bytes to a read request.
    static ReplyCheck replyCheck(const quint8 *request, const quint8 *reply, int count);

    // The part of every reply timeout that does not depend on the reply's length, in ms.
    static constexpr int kBaseTimeout = 60;

    // The length of the reply to a read of n registers: address, function, byte
    // count and CRC around the data, between the start and end bytes.
    static constexpr int replySize(int registers) { return 2 * registers + 7; }
    // Reply timeout in ms for a read of n registers at the port's baud rate.
    int read_timeout(int registers) const;
    // Timeout for an expected reply of replyBytes bytes: base + 2 x trunc(B / R).
    int reply_timeout(int replyBytes) const;

    // Purges the port, writes the request within writeTimeout ms, and reads up
    // to replyLength bytes within timeout ms. The bytes read, or -1 when nothing
    // was written.
    int exchange(const quint8 *request, int length, int writeTimeout, quint8 *reply, int replyLength, int timeout);
    // The pauses that pace the exchanges, on the port's timing.
    void pause(int ms);

    // Count of reply bytes on success, 0 on failure, -5 when the port is closed.
    int read_by_send(const quint8 *request, int length, quint8 *reply, int timeout, bool retry);
    int write_by_send(const quint8 *request, int length, quint8 *reply, int writeTimeout);
    int write_with_retry(const quint8 *request, int length, quint8 *reply, int writeTimeout, int retries);
    // Opens the port itself, writes one register (function 6) with 2 retries, closes.
    int write_register(quint8 addr, quint16 reg, quint16 value, int writeTimeout);

    int get_brand_name(quint8 addr, quint8 *reply, RegisterMap map);
    int get_type_name(quint8 addr, quint8 *reply, RegisterMap map);
    // Map A retries for the polling (retry true) and not for the search; map B never retries.
    int get_sn_name(quint8 addr, quint8 *reply, RegisterMap map, bool retry);
    int get_sn_number(quint8 addr, quint8 *reply, RegisterMap map);
    int read_word(quint8 addr, quint8 *reply, quint16 reg);
    bool read_word_21(quint8 addr, quint8 *reply);
    bool read_word_22(quint8 addr, quint8 *reply);

    // Six reads into block (178 bytes), block by block. 1 success, 0 failure.
    int read_monitor_data(quint8 addr, quint8 *block);
    // Registers 1 to 22 into out (44 bytes). Always 1.
    int read_low_registers(quint8 addr, quint8 *out);
    // Register 0x00C1 / register 0x00F7, or 0.0.
    float read_efficiency(quint8 addr, quint8 *reply);
    // "%04d%04d%04d" of registers 0x0056, 0x0017, 0x0018; empty on failure.
    QString get_serial_number(quint8 addr, quint8 *reply);

    // Reply decoding.
    static quint16 reply_word(const quint8 *reply);
    static quint16 word_at(const quint8 *buffer, int offset);
    static quint16 monitor_word(const quint8 *block, int reg);
    static quint16 low_word(const quint8 *block, int reg);
    static QString reply_text(const quint8 *reply, int count);
    static QString trim_sn_name(const QString &text);

private:
    // Function-3 read of count registers at reg, timed for their reply (or for
    // that of timedAs registers, where the read has always been timed so);
    // logs failure (when given) if the port is closed. Returns the count of read_by_send.
    int readRegisters(quint8 addr, quint8 *reply, quint16 reg, quint16 count, bool retry, const char *failure,
                      int timedAs = 0);

    SerialLine &m_port;
    LineHealth *m_health = nullptr;
};
