#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QVector>

// Frame helpers for the far end of the line: the inverters' 0x0A ... 0x0D
// frames and plain Modbus RTU sensor requests.
namespace lineframes {

constexpr char kStart = 0x0A;
constexpr char kEnd = 0x0D;

quint16 crc(const QByteArray &bytes, int from, int length);
// Appends the CRC of bytes[from ...] (low byte first, or high byte first).
void appendCrc(QByteArray &frame, int from, bool highFirst = false);

// Start byte, end byte and the CRC over bytes 1 to n-4 (low byte at n-3).
bool isValidInverterFrame(const QByteArray &frame);
// A request of the inverter protocol: 10 bytes for functions 3, 6 and 9, 13 bytes for function 8.
bool isInverterRequest(const QByteArray &frame);

enum class CrcOrder { None, LowFirst, HighFirst };
// An 8-byte Modbus RTU read request (function 3) and the byte order of its CRC.
CrcOrder sensorRequestCrcOrder(const QByteArray &frame);

quint16 wordAt(const QByteArray &bytes, int offset);
void appendWord(QByteArray &bytes, quint16 word);

// Random bytes that never form a valid inverter frame.
QByteArray noise(int length, QRandomGenerator &random);
// What the line carries when several devices reply at once: the bytes of all
// replies overlaid (the line's idle level is 1), never a valid frame.
QByteArray collide(const QVector<QByteArray> &replies);

QString hex(const QByteArray &bytes);
// An inverter request in words: "addr 1 read 181 x15", "addr 3 identity", ...
QString describeInverterRequest(const QByteArray &frame);

} // namespace lineframes
