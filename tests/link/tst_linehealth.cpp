#include "tst_linehealth.h"

#include "linesimulator.h"
#include "link/ccommand.h"
#include "link/crc16.h"
#include "link/cserial.h"
#include "link/linehealth.h"
#include "link/sensorlist.h"
#include "support/linepeer.h"
#include "support/manualclock.h"
#include "support/tempappdir.h"

#include <QJsonDocument>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int kPort = 7;
constexpr int kBaud = 38400;
constexpr int kExchanges = 16;
// The line time of a 15-register read at 38400 baud: 10 + 37 bytes and the turnaround.
constexpr double kLineMs = 47 * 10000.0 / kBaud + 1.0;

// Inverters 1 to 5 each with one reply fault striking a quarter of the replies;
// 6 clean; 7 answers a quarter of its replies 40 ms late, yet in time.
const QByteArray kFaultyPlant = R"({"seed":7,"inverters":[
  {"address":1,"serial":"G","faults":[{"type":"garbled","probability":0.25}]},
  {"address":2,"serial":"C","faults":[{"type":"wrongCrc","probability":0.25}]},
  {"address":3,"serial":"S","faults":[{"type":"short","bytes":20,"probability":0.25}]},
  {"address":4,"serial":"Q","faults":[{"type":"silent","probability":0.25}]},
  {"address":5,"serial":"L","faults":[{"type":"slow","delayMs":150,"probability":0.25}]},
  {"address":6,"serial":"OK"},
  {"address":7,"serial":"T","faults":[{"type":"slow","delayMs":40,"probability":0.25}]}],
 "sensors":[{"slave":21,"register":1,"value":850,"faults":[{"type":"wrongCrc","probability":0.3}]},
            {"slave":22,"register":1,"value":20,"faults":[{"type":"garbled","probability":0.3}]}]})";

// The program's end of the line on COM7, its reads counted.
struct CountedLine
{
    CountedLine()
    {
        command.setLineHealth(&health);
        QCOMPARE(port.open(kPort, kBaud), 1);
    }

    CSerial port;
    LineHealth health;
    CCommand command{port};
};

QString countsText(const LinkCounts &c)
{
    return QStringLiteral("%1 exchanges, %2 first try, %3 retried; timeouts %4, crc %5, short %6, address %7, "
                          "function %8, length %9")
        .arg(c.exchanges)
        .arg(c.firstTry)
        .arg(c.retriedOk)
        .arg(c.timeouts)
        .arg(c.crcErrors)
        .arg(c.shortReplies)
        .arg(c.wrongAddress)
        .arg(c.wrongFunction)
        .arg(c.wrongLength);
}

LinkStats statsOf(const LineHealth &health, const LineDevice &device)
{
    const LineHealthReport report = health.report();
    const auto found =
        std::find_if(report.begin(), report.end(), [&](const LinkStats &s) { return s.device == device; });
    return found == report.end() ? LinkStats() : *found;
}

// A frame 0x0A ... 0x0D with a valid CRC, whatever its bytes say.
QByteArray frame(quint8 address, quint8 function, quint8 length, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(0x0A)).append(char(address)).append(char(function)).append(char(length)).append(data);
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(bytes.constData()) + 1, bytes.size() - 1);
    return bytes.append(char(crc & 0xFF)).append(char(crc >> 8)).append(char(0x0D));
}

int addressOf(const HeardRequest &request)
{
    return quint8(request.bytes.at(request.kind == HeardRequest::Kind::Sensor ? 0 : 1));
}

// The counts the simulator's log calls for: every request to the device is a
// try; a spoiled one is followed by its retry when the reads retry. Every
// spoiled try counts in `failure`.
LinkCounts expectedCounts(const QVector<HeardRequest> &heard, HeardRequest::Kind kind, int address, bool retried,
                          qint64 LinkCounts::*failure)
{
    LinkCounts counts;
    bool retryNext = false;
    for (const HeardRequest &request : heard) {
        if (request.kind != kind || addressOf(request) != address)
            continue;
        const bool spoiled = !request.struck.isEmpty();
        counts.*failure += spoiled;
        if (retryNext) {
            retryNext = false;
            counts.retriedOk += !spoiled;
            continue;
        }
        ++counts.exchanges;
        counts.firstTry += !spoiled;
        retryNext = spoiled && retried;
    }
    return counts;
}

int struckCount(const QVector<HeardRequest> &heard, int address)
{
    return int(std::count_if(heard.begin(), heard.end(), [&](const HeardRequest &request) {
        return addressOf(request) == address && !request.struck.isEmpty();
    }));
}

} // namespace

void TestLineHealth::inverterFaultModes()
{
    TempAppDir dir;
    LineSimulator sim;
    QVERIFY(sim.start(QJsonDocument::fromJson(kFaultyPlant).object()));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort))));
    CountedLine line;
    CCommand &command = line.command;
    const LineHealth &health = line.health;

    quint8 reply[CCommand::kReplyBufferSize];
    for (int address = 1; address <= 7; ++address) {
        const bool late = address == 5;
        for (int i = 0; i < kExchanges; ++i) {
            quint8 request[CCommand::kRequestSize];
            CCommand::make_read_frame(request, quint8(address), 3, 0x00B5, 15);
            // A reply that misses its window lands on the line later: it is let pass before the next request.
            if (command.read_by_send(request, CCommand::kRequestSize, reply, command.read_timeout(15), !late) == 0 &&
                late)
                QThread::msleep(120);
        }
    }
    const QVector<HeardRequest> heard = sim.requests();
    const auto inverter = HeardRequest::Kind::Inverter;
    const QList<std::pair<int, qint64 LinkCounts::*>> modes = {
        {1, &LinkCounts::crcErrors}, {2, &LinkCounts::crcErrors}, {3, &LinkCounts::shortReplies},
        {4, &LinkCounts::timeouts},  {5, &LinkCounts::timeouts},  {6, &LinkCounts::timeouts}};
    for (const auto &[address, failure] : modes) {
        const LinkCounts expected = expectedCounts(heard, inverter, address, address != 5, failure);
        QCOMPARE(expected.exchanges, qint64(kExchanges));
        const LinkStats stats = statsOf(health, LineDevice::inverter(address));
        QCOMPARE(countsText(stats.counts), countsText(expected));
        QCOMPARE(stats.linkQuality(), 100.0 * double(expected.firstTry) / kExchanges);
        if (address != 6)
            QVERIFY2(struckCount(heard, address) > 0, "the seed strikes no reply");
    }

    // Late yet in time: every reply right on the first try, the late ones seen in the round trips.
    const LinkStats slow = statsOf(health, LineDevice::inverter(7));
    QCOMPARE(slow.counts.firstTry, qint64(kExchanges));
    const int late = struckCount(heard, 7);
    QVERIFY(late * 20 > kExchanges); // more than 5 %: the 95th percentile is a late one
    QVERIFY2(slow.roundTripP95Ms >= kLineMs + 40, qPrintable(QString::number(slow.roundTripP95Ms)));
    QVERIFY(slow.roundTripMeanMs >= kLineMs + 40.0 * late / kExchanges);
    QVERIFY(slow.roundTripMeanMs <= slow.roundTripP95Ms);
    if (!heard.last().struck.isEmpty())
        QVERIFY(slow.roundTripLastMs >= kLineMs + 40);
}

void TestLineHealth::soundRepliesOfAnotherKind()
{
    TempAppDir dir;
    // Sound frames to a read of two registers at address 1: from address 9; with function 4;
    // with one register; eleven bytes whose length byte says three data bytes; then right.
    const QByteArray data = QByteArray::fromHex("00120159");
    const QList<QByteArray> replies = {frame(9, 3, 4, data), frame(1, 4, 4, data), frame(1, 3, 2, data.left(2)),
                                       frame(1, 3, 3, data), frame(1, 3, 4, data)};
    int asked = 0;
    LinePeer peer(dir.path(), kPort, [&](const QByteArray &) { return replies.value(asked++); });
    CountedLine line;
    quint8 reply[CCommand::kReplyBufferSize];
    QList<int> counts;
    for (int i = 0; i < 4; ++i)
        counts << line.command.get_sn_number(1, reply, CCommand::RegisterMap::A);
    QCOMPARE(counts, (QList<int>{11, 11, 9, 11})); // all taken but the fourth's first try
    LinkCounts expected;
    expected.exchanges = 4;
    expected.retriedOk = 1;
    expected.wrongAddress = 1;
    expected.wrongFunction = 1;
    expected.wrongLength = 2;
    QCOMPARE(countsText(statsOf(line.health, LineDevice::inverter(1)).counts), countsText(expected));
}

void TestLineHealth::sensorFaultModes()
{
    TempAppDir dir;
    ManualClock clock(QDateTime(QDate(2026, 6, 1), QTime(13, 0))); // the pauses before requests pass at once
    LineSimulator sim;
    QVERIFY(sim.start(QJsonDocument::fromJson(kFaultyPlant).object()));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort))));
    CSerial port;
    QCOMPARE(port.open(kPort, kBaud), 1);
    SensorList sensors;
    SensorDefinition first;
    first.request = {21, 3, 0, 1, 0, 1};
    SensorDefinition second = first;
    second.request[0] = 22;
    sensors.load({first, second});
    LineHealth health;
    for (int pass = 0; pass < kExchanges; ++pass)
        sensors.readAll(port, &health);

    // A sensor's value is taken with a wrong CRC too: a spoiled reply is never retried.
    const QVector<HeardRequest> heard = sim.requests();
    for (int slave : {21, 22}) {
        const LinkCounts expected =
            expectedCounts(heard, HeardRequest::Kind::Sensor, slave, false, &LinkCounts::crcErrors);
        QCOMPARE(expected.exchanges, qint64(kExchanges));
        QVERIFY2(expected.crcErrors > 0, "the seed strikes no reply");
        QCOMPARE(countsText(statsOf(health, LineDevice::sensor(slave)).counts), countsText(expected));
    }
    QCOMPARE(health.report().size(), 2);
}
