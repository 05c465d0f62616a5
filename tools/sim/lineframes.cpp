#include "lineframes.h"

#include "link/ccommand.h"
#include "link/crc16.h"

namespace lineframes {

quint16 crc(const QByteArray &bytes, int from, int length)
{
    return crc16_modbus(reinterpret_cast<const quint8 *>(bytes.constData()) + from, length);
}

void appendCrc(QByteArray &frame, int from, bool highFirst)
{
    const quint16 value = crc(frame, from, frame.size() - from);
    const char low = char(value & 0xFF);
    const char high = char(value >> 8);
    frame.append(highFirst ? high : low);
    frame.append(highFirst ? low : high);
}

bool isValidInverterFrame(const QByteArray &frame)
{
    const int n = frame.size();
    if (n < 5 || frame.at(0) != kStart || frame.at(n - 1) != kEnd)
        return false;
    const quint16 value = crc(frame, 1, n - 4);
    return quint8(frame.at(n - 3)) == (value & 0xFF) && quint8(frame.at(n - 2)) == (value >> 8);
}

bool isInverterRequest(const QByteArray &frame)
{
    if (!isValidInverterFrame(frame))
        return false;
    const int function = quint8(frame.at(2));
    if (frame.size() == 10)
        return function == 3 || function == 6 || function == 9;
    return frame.size() == 13 && function == 8;
}

CrcOrder sensorRequestCrcOrder(const QByteArray &frame)
{
    if (frame.size() != 8 || frame.at(1) != 0x03)
        return CrcOrder::None;
    const quint16 value = crc(frame, 0, 6);
    const quint8 first = quint8(frame.at(6));
    const quint8 second = quint8(frame.at(7));
    if (first == (value & 0xFF) && second == (value >> 8))
        return CrcOrder::LowFirst;
    if (first == (value >> 8) && second == (value & 0xFF))
        return CrcOrder::HighFirst;
    return CrcOrder::None;
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return CCommand::word_at(reinterpret_cast<const quint8 *>(bytes.constData()), offset);
}

void appendWord(QByteArray &bytes, quint16 word)
{
    bytes.append(char(word >> 8));
    bytes.append(char(word & 0xFF));
}

QByteArray noise(int length, QRandomGenerator &random)
{
    QByteArray bytes(length, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    if (length > 0 && isValidInverterFrame(bytes))
        bytes[0] = char(bytes.at(0) ^ 0x55);
    return bytes;
}

QByteArray collide(const QVector<QByteArray> &replies)
{
    int length = 0;
    for (const QByteArray &reply : replies)
        length = std::max(length, int(reply.size()));
    QByteArray line(length, char(0xFF));
    for (const QByteArray &reply : replies) {
        for (int i = 0; i < reply.size(); ++i)
            line[i] = char(line.at(i) & reply.at(i));
    }
    // Equal replies would overlay into a readable frame; on a real line their
    // bit edges never meet exactly, so the CRC is lost.
    if (isValidInverterFrame(line))
        line[length - 3] = char(line.at(length - 3) ^ 0x5A);
    return line;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString describeInverterRequest(const QByteArray &frame)
{
    const int address = quint8(frame.at(1));
    switch (frame.at(2)) {
    case 3:
        return QStringLiteral("addr %1 read %2 x%3").arg(address).arg(wordAt(frame, 3)).arg(wordAt(frame, 5));
    case 6:
        return QStringLiteral("addr %1 write %2 = %3").arg(address).arg(wordAt(frame, 3)).arg(wordAt(frame, 5));
    case 9:
        return QStringLiteral("addr %1 identity").arg(address);
    default:
        return QStringLiteral("addr %1 assign %2 to %3")
            .arg(address)
            .arg(hex(frame.mid(3, 6)))
            .arg(quint8(frame.at(9)));
    }
}

} // namespace lineframes
