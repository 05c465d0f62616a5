#include "tst_command.h"

#include "device/devicereader.h"
#include "device/devicerecord.h"
#include "link/ccommand.h"
#include "link/crc16.h"
#include "link/cserial.h"
#include "support/linepeer.h"
#include "support/tempappdir.h"
#include "testlog.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

constexpr int kPort = 7;

QByteArray bytes(const quint8 *data, int length)
{
    return QByteArray(reinterpret_cast<const char *>(data), length);
}

QByteArray requestFor(quint8 addr, quint8 function, quint16 reg, quint16 count)
{
    quint8 frame[CCommand::kRequestSize];
    CCommand::make_read_frame(frame, addr, function, reg, count);
    return bytes(frame, CCommand::kRequestSize);
}

void openPort(CSerial &port, int baud)
{
    QCOMPARE(port.open(kPort, baud), 1);
}

} // namespace

void TestCommand::framesAndTimeouts()
{
    TempAppDir dir;
    QCOMPARE(requestFor(1, 3, 0x0306, 8), QByteArray::fromHex("0a 01 03 03 06 00 08 a4 49 0d"));
    QCOMPARE(requestFor(1, 3, 0x0001, 1), QByteArray::fromHex("0a 01 03 00 01 00 01 d5 ca 0d"));
    quint8 raw[CCommand::kRequestSize];
    CCommand::make_raw_frame(raw, 1, 3, 0x00, 0x01, 0x00, 0x01);
    QCOMPARE(bytes(raw, 10), requestFor(1, 3, 0x0001, 1));

    const quint8 identity[6] = {0x01, 0xCC, 0x00, 0x0C, 0x01, 0x59};
    quint8 burn[CCommand::kBurnFrameSize];
    QCOMPARE(CCommand::make_burn_frame(0, 5, burn, identity), 0);
    QCOMPARE(bytes(burn, 10), QByteArray::fromHex("0a000801cc000c015905"));
    QVERIFY(CCommand::check_frame(burn, 13));
    burn[5] ^= 1;
    QVERIFY(!CCommand::check_frame(burn, 13));
    const quint8 emptyBody[] = {0x0A, 0xFF, 0xFF, 0x0D};
    QVERIFY(!CCommand::check_frame(emptyBody, 4));

    // The reply timeouts follow the rate of the command's own port.
    CSerial port;
    CCommand command(port);
    const QList<QPair<int, int>> expected = {{9600, 106}, {19200, 82}, {1200, 442}, {38400, 70}, {0, 442}};
    for (const auto &[baud, timeout] : expected) {
        port.set_port_baud(kPort, baud);
        QCOMPARE(command.read_timeout(8), timeout);
    }
}

void TestCommand::replyValidation_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("retry");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("attempts");

    const QByteArray good = LinePeer::readReply(9, QByteArray(16, 'L')); // another address: still good
    QTest::newRow("accepted") << good << true << 23 << QString() << 1;
    QTest::newRow("own length byte") << LinePeer::readReply(1, QByteArray(14, 'L')) << true << 21 << QString() << 1;
    QTest::newRow("cut short") << good.left(21) << true << 0 << "read_by_send() read not enough" << 2;
    QTest::newRow("three bytes") << good.left(3) << false << 0 << "read_by_send() read not enough" << 1;
    QByteArray crc = good;
    crc[21] = char(crc[21] ^ 0x40);
    QTest::newRow("crc") << crc << false << 0 << "read_by_send() crc error" << 1;
    QByteArray start = good;
    start[0] = 0x0B;
    QTest::newRow("start") << start << true << 0 << "read_by_send() header error" << 2;
    QTest::newRow("silent") << QByteArray() << true << 0 << "read_by_send() read 0" << 2;
}

void TestCommand::replyValidation()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, retry);
    QFETCH(int, result);
    QFETCH(QString, failure);
    QFETCH(int, attempts);
    TempAppDir dir;
    LinePeer peer(dir.path(), kPort, LinePeer::always(reply));
    CSerial port;
    openPort(port, 9600);
    CCommand command(port);
    const QByteArray request = requestFor(1, 3, 0x0306, 8);
    quint8 buffer[CCommand::kReplyBufferSize];
    const int timeout = command.read_timeout(8);
    QCOMPARE(command.read_by_send(reinterpret_cast<const quint8 *>(request.constData()), 10, buffer, timeout, retry),
             result);
    QList<QByteArray> requests;
    while (requests.size() < attempts)
        requests << request;
    QCOMPARE(peer.heard(), requests);
    if (!failure.isEmpty())
        QCOMPARE(logCount(dir, failure), attempts);
    if (result > 0)
        QCOMPARE(bytes(buffer, result), reply);
}

void TestCommand::closedPortWritesNothing()
{
    TempAppDir dir;
    LinePeer peer(dir.path(), kPort, LinePeer::always(QByteArray()));
    CSerial port;
    CCommand command(port);
    quint8 reply[CCommand::kReplyBufferSize];
    QCOMPARE(command.get_brand_name(1, reply, CCommand::RegisterMap::A), -5);
    QCOMPARE(command.get_sn_name(1, reply, CCommand::RegisterMap::B, true), -5);
    QCOMPARE(command.get_sn_number(1, reply, CCommand::RegisterMap::A), -5);
    QCOMPARE(command.get_type_name(1, reply, CCommand::RegisterMap::B), -5);
    QCOMPARE(command.read_word(1, reply, 0x0083), -5);
    QVERIFY(!command.read_word_21(1, reply));
    QCOMPARE(command.read_monitor_data(1, reply), 0);
    QTest::qWait(50);
    QVERIFY(peer.heard().isEmpty());
    QCOMPARE(logCount(dir, QStringLiteral("get_brand_name fail")), 1);
    QCOMPARE(logCount(dir, QStringLiteral("get_sn_name fail.")), 1);
    QCOMPARE(logCount(dir, QStringLiteral("get_sn_number fail.")), 1);
    QCOMPARE(logCount(dir, QStringLiteral("read_by_send()")), 0);
}

void TestCommand::registerWrite()
{
    TempAppDir dir;
    CSerial port;
    port.set_port_baud(kPort, 9600);
    CCommand command(port);
    const QByteArray request = requestFor(1, 6, 0x012C, 230);
    {
        LinePeer echo(dir.path(), kPort, [](const QByteArray &frame) { return frame; });
        QCOMPARE(command.write_register(1, 0x012C, 230, 200), 10);
        QCOMPARE(echo.heard(), QList<QByteArray>{request});
        QVERIFY(port.is_closed());
        QCOMPARE(logCount(dir, QStringLiteral("write_by_send")), 0);
    }
    {
        LinePeer garbled(dir.path(), kPort, [](QByteArray frame) { return frame.replace(6, 1, "\x01"); });
        QCOMPARE(command.write_register(1, 0x012C, 230, 200), 10); // a differing echo is not retried
        QCOMPARE(garbled.heard().size(), 1);
        QCOMPARE(logCount(dir, QStringLiteral("[error] write_by_send fail, ret: -4, addr: 1, cmd: 1 44")), 1);
    }
    {
        LinePeer silent(dir.path(), kPort, LinePeer::always(QByteArray()));
        QCOMPARE(command.write_register(1, 0x012C, 230, 200), 0);
        QCOMPARE(silent.heard(), QList<QByteArray>() << request << request << request);
        QCOMPARE(logCount(dir, QStringLiteral("[error] write_by_send fail, ret: -1, addr: 1, cmd: 1 44")), 3);
    }
}

void TestCommand::inverterReads()
{
    TempAppDir dir;
    QMap<quint16, quint16> registers;
    for (quint16 reg = 0x00B5; reg <= 0x010D; ++reg)
        registers[reg] = quint16(reg * 7);
    for (quint16 reg = 1; reg <= 22; ++reg)
        registers[reg] = quint16(1000 + reg);
    registers[0x00C1] = 3;
    registers[0x00F7] = 4;
    const QByteArray brand = QByteArray("  LUMORA").leftJustified(16, ' ');
    const QByteArray sn = QByteArray("SN123456789012 ") + '\0';
    for (int i = 0; i < 8; ++i) {
        const auto word = [&](const QByteArray &text) {
            return quint16(quint8(text[2 * i]) << 8 | quint8(text[2 * i + 1]));
        };
        registers[quint16(0x0306 + i)] = registers[quint16(0x0067 + i)] = word(brand);
        registers[quint16(0x0316 + i)] = registers[quint16(0x0077 + i)] = word(sn);
    }
    registers[0x0017] = 12; // also the first serial-number word of map A
    registers[0x0018] = 345;
    registers[0x010A] = 77;
    registers[0x010B] = 78;
    for (quint16 reg = 0x0019; reg < 0x0017 + 15; ++reg)
        registers[reg] = 0;
    QMap<quint16, quint16> withPrefix = registers;
    withPrefix[0x0056] = 9;

    LinePeer peer(dir.path(), kPort, LinePeer::inverter(registers));
    CSerial port;
    openPort(port, 38400);
    CCommand command(port);
    quint8 block[CCommand::kMonitorBlockSize];
    QCOMPARE(command.read_monitor_data(3, block), 1);
    for (int reg = 0x00B5; reg <= 0x010D; ++reg)
        QCOMPARE(CCommand::monitor_word(block, reg), registers[quint16(reg)]);
    quint8 low[CCommand::kLowBlockSize] = {};
    QCOMPARE(command.read_low_registers(3, low), 1);
    for (int reg = 1; reg <= 22; ++reg)
        QCOMPARE(CCommand::low_word(low, reg), quint16(1000 + reg));
    quint8 reply[CCommand::kReplyBufferSize];
    QCOMPARE(command.read_efficiency(3, reply), 0.75f);
    QCOMPARE(command.get_serial_number(3, reply), QStringLiteral("000000120345")); // 0x0056 silent

    for (const CCommand::RegisterMap map : {CCommand::RegisterMap::A, CCommand::RegisterMap::B}) {
        QCOMPARE(command.get_brand_name(3, reply, map), 23);
        QCOMPARE(CCommand::reply_text(reply, 23), QStringLiteral("LUMORA"));
        QCOMPARE(command.get_sn_name(3, reply, map, false), 23);
        QCOMPARE(CCommand::trim_sn_name(CCommand::reply_text(reply, 23)), QStringLiteral("SN123456789012"));
        QCOMPARE(command.get_sn_number(3, reply, map), 11);
    }
    QCOMPARE(CCommand::word_at(reply, 4), quint16(77));
    QVERIFY(command.read_word_22(3, reply));
    QCOMPARE(CCommand::reply_word(reply), quint16(1022));

    // Register 0x00F7 at 0, then a monitoring read that breaks off at its last block.
    registers[0x00F7] = 0;
    registers.remove(0x0105);
    LinePeer second(dir.path(), kPort, LinePeer::inverter(registers));
    port.close();
    openPort(port, 38400);
    QCOMPARE(command.read_efficiency(3, reply), 0.0f);
    std::fill(std::begin(block), std::end(block), quint8(0));
    QCOMPARE(command.read_monitor_data(3, block), 0);
    QCOMPARE(CCommand::monitor_word(block, 0x00FF), registers[0x00FF]);
    QCOMPARE(CCommand::monitor_word(block, 0x0100), quint16(0));

    LinePeer third(dir.path(), kPort, LinePeer::inverter(withPrefix));
    port.close();
    openPort(port, 38400);
    QCOMPARE(command.get_serial_number(3, reply), QStringLiteral("000900120345"));

    // 0x00C1 silent (asked again on the retry): 0x00F7 is still asked for.
    registers.remove(0x00C1);
    LinePeer fourth(dir.path(), kPort, LinePeer::inverter(registers));
    port.close();
    openPort(port, 38400);
    QCOMPARE(command.read_efficiency(3, reply), 0.0f);
    QList<quint16> asked;
    for (const QByteArray &request : fourth.heard())
        asked << quint16(quint8(request[3]) << 8 | quint8(request[4]));
    QCOMPARE(asked, (QList<quint16>{0x00C1, 0x00C1, 0x00F7}));
}

void TestCommand::shortRepliesFillNoIdentity()
{
    // Every read is answered with a valid frame that carries one register fewer than asked for.
    TempAppDir dir;
    LinePeer peer(dir.path(), kPort, [](const QByteArray &request) {
        return LinePeer::readReply(quint8(request[1]), QByteArray(2 * (quint8(request[6]) - 1), 'A'));
    });
    CSerial port;
    openPort(port, 38400);
    CCommand command(port);
    DeviceReader reader(command);
    for (const int versionw3 : {0, 303}) { // both register maps
        DeviceRecord record;
        record.addr = 1;
        record.versionw3 = versionw3;
        record.brand_name = QStringLiteral("LUMORA");
        record.type_name = QStringLiteral("LMR-4K4-EU");
        record.sn_name = QStringLiteral("LE44A0012345");
        record.sn_number = QStringLiteral("001200000345");
        record.type_no = 2;
        const DeviceRecord before = record;
        reader.readIdentity(record);
        QCOMPARE(record.versionw3, before.versionw3);
        QCOMPARE(record.brand_name, before.brand_name);
        QCOMPARE(record.type_name, before.type_name);
        QCOMPARE(record.sn_name, before.sn_name);
        QCOMPARE(record.sn_number, before.sn_number);
        QCOMPARE(record.type_no, before.type_no);
        QCOMPARE(record.model_name_ee, before.model_name_ee);
    }
}

void TestCommand::fuzzedReplies()
{
    QRandomGenerator random(20240611);
    quint8 buffer[CCommand::kReplyBufferSize];
    // Start, end and CRC; a read reply also carries its own length in byte 3.
    const auto frameSound = [](const quint8 *frame, int count) {
        if (count < 5 || frame[0] != 0x0A || frame[count - 1] != 0x0D)
            return false;
        const quint16 crc = crc16_modbus(frame + 1, count - 4);
        return frame[count - 3] == (crc & 0xFF) && frame[count - 2] == (crc >> 8);
    };
    const auto independentlySound = [&](const quint8 *reply, int count) {
        return count >= 7 && reply[3] + 7 == count && frameSound(reply, count);
    };
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        // Half of the cases mutate a sound reply in up to three bytes, the rest are random.
        const int registers = int(random.bounded(1, 16));
        int count = 2 * registers + 7;
        if (i % 2 == 0) {
            const QByteArray sound = LinePeer::readReply(1, QByteArray(2 * registers, char(i)));
            std::copy(sound.begin(), sound.end(), buffer);
            for (int m = int(random.bounded(4)); m > 0; --m)
                buffer[random.bounded(count)] = quint8(random.bounded(256));
            if (random.bounded(4) == 0)
                count = int(random.bounded(count + 1));
        } else {
            count = int(random.bounded(CCommand::kReplyBufferSize + 1));
            for (int b = 0; b < count; ++b)
                buffer[b] = quint8(random.bounded(256));
            if (count > 3 && random.bounded(2)) {
                buffer[0] = 0x0A;
                buffer[count - 1] = 0x0D;
                buffer[3] = quint8(count - 7);
            }
        }
        const bool sound = CCommand::reply_fault(buffer, count) == nullptr;
        QCOMPARE(sound, independentlySound(buffer, count));
        QCOMPARE(CCommand::check_frame(buffer, count), frameSound(buffer, count));
        accepted += sound;
        QVERIFY(CCommand::reply_text(buffer, count).size() <= qMax(0, count - 7));
        CCommand::trim_sn_name(CCommand::reply_text(buffer, count));
        CCommand::monitor_word(buffer, int(random.bounded(0x0200)));
        CCommand::low_word(buffer, int(random.bounded(-5, 40)));
    }
    QVERIFY(accepted > 1000); // the mutations leave some replies sound

    // The same over the line, with floods and short replies, at 38400 baud.
    TempAppDir dir;
    LinePeer peer(dir.path(), kPort, [&random](const QByteArray &request) {
        QByteArray reply = LinePeer::readReply(quint8(request[1]), QByteArray(2, 'v'));
        const int kind = int(random.bounded(10));
        if (kind == 0)
            return reply.left(int(random.bounded(reply.size())));
        if (kind < 5)
            reply[int(random.bounded(reply.size()))] = char(random.bounded(256));
        if (kind == 5)
            reply.append(QByteArray(int(random.bounded(600)), '\x0D'));
        return reply;
    });
    CSerial port;
    openPort(port, 38400);
    CCommand command(port);
    std::fill(std::begin(buffer), std::end(buffer), quint8(0xEE));
    for (int i = 0; i < 300; ++i) {
        const int count = command.read_word(1, buffer, 0x0083);
        QVERIFY(count == 0 || (count == 9 && independentlySound(buffer, count)));
        QCOMPARE(buffer[9], quint8(0xEE)); // nothing beyond the requested reply length
    }
}
