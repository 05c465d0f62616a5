#include "tst_sensors.h"

#include "db/database.h"
#include "link/crc16.h"
#include "link/sensorlist.h"
#include "monitor/programstate.h"
#include "monitor/sensorsettings.h"
#include "support/linepeer.h"
#include "support/manualclock.h"
#include "support/modbusslave.h"
#include "support/tempappdir.h"

#include <QElapsedTimer>
#include <QtTest>

#include <thread>

namespace {

constexpr int kPort = 8;

struct Row
{
    int slave, start;
    const char *op;
    double factor;
    QString header, unit;
    int crcHighFirst, lowByteFirst;
};

void insertSensors(const QList<Row> &rows)
{
    QCOMPARE(db_exec(QStringLiteral("delete from sensor_setting")), 0);
    for (const Row &row : rows)
        QCOMPARE(
            db_exec(QStringLiteral("insert into sensor_setting (slave_addr,start_addr,reg_addr,operator,multiplier,"
                                   "header,unit,append_first,lowbyte_first) values(?,?,?,?,?,?,?,?,?)"),
                    {row.slave, row.start, 1, QString::fromLatin1(row.op), row.factor, row.header, row.unit,
                     row.crcHighFirst, row.lowByteFirst}),
            0);
}

// The 7-byte reply of a sensor, its CRC low byte first.
QByteArray sensorReply(quint8 slave, quint16 value)
{
    QByteArray reply;
    reply.append(char(slave)).append(char(3)).append(char(2)).append(char(value >> 8)).append(char(value & 0xFF));
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(reply.constData()), 5);
    return reply.append(char(crc & 0xFF)).append(char(crc >> 8));
}

QString decimalComma(const QString &number)
{
    return QString(number).replace(QLatin1Char('.'), QLatin1Char(','));
}

CSerial &openSharedPort()
{
    CSerial &port = ProgramState::instance().sharedPort();
    if (port.open(kPort, 9600) != 1)
        qWarning("COM%d does not open", kPort);
    return port;
}

} // namespace

void TestSensors::requestAndValueRules()
{
    SensorDefinition sensor;
    sensor.request = {1, 3, 0x00, 0x01, 0x00, 0x01};
    quint8 request[SensorList::kRequestSize];
    SensorList::buildRequest(sensor, request);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(request), 8), QByteArray::fromHex("01 03 00 01 00 01 d5 ca"));
    sensor.crcHighFirst = true;
    SensorList::buildRequest(sensor, request);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(request), 8), QByteArray::fromHex("01 03 00 01 00 01 ca d5"));

    const quint8 reply[7] = {1, 3, 2, 0x01, 0x2C, 0, 0};
    const QList<QPair<QString, double>> rules = {{"/", 300}, {"*", 300}, {"+", 301}, {"-", 299}, {"", 300}, {"%", 300}};
    double value = -1;
    for (const auto &[op, expected] : rules) {
        sensor.op = op; // factor 0 counts as 1.0
        QVERIFY(SensorList::replyValue(sensor, reply, 7, value));
        QCOMPARE(value, expected);
    }
    sensor.factor = 4;
    const QList<QPair<QString, double>> withFactor = {{"/", 75}, {"*", 1200}, {"+", 304}, {"-", 296}, {"", 300}};
    for (const auto &[op, expected] : withFactor) {
        sensor.op = op;
        QVERIFY(SensorList::replyValue(sensor, reply, 7, value));
        QCOMPARE(value, expected);
    }
    sensor.op.clear();
    sensor.lowByteFirst = true;
    QVERIFY(SensorList::replyValue(sensor, reply, 5, value));
    QCOMPARE(value, 11265.0);
    for (int count = 0; count < 5; ++count) // the value bytes did not arrive
        QVERIFY(!SensorList::replyValue(sensor, reply, count, value));
}

void TestSensors::loaderTakesFirstFourRows()
{
    TempAppDir dir;
    dir.openDatabase();
    insertSensors({{1, 0x0102, "*", 0.1, QStringLiteral("Irradiance"), QStringLiteral("W/m2"), 0, 0},
                   {2, 7, "", 0, QStringLiteral("Température"), QStringLiteral("°C"), 1, 1},
                   {3, 8, "-", 2, QStringLiteral("Wind"), QStringLiteral("m/s"), 0, 1},
                   {4, 9, "/", 10, QStringLiteral("Module"), QStringLiteral("℉"), 1, 0},
                   {5, 10, "+", 1, QStringLiteral("Fifth"), QStringLiteral("V"), 0, 0}});
    SensorList &sensors = ProgramState::instance().sensors();
    sensors.load(readSensorSettings());
    QCOMPARE(sensors.count(), 4);
    QCOMPARE(sensors.latestValues(), (QList<double>{0.0, 0.0, 0.0, 0.0}));
    const QList<SensorDefinition> list = sensors.definitions();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(list[0].request.data()), 6),
             QByteArray::fromHex("01 03 01 02 00 01"));
    QCOMPARE(list[0].factor, 0.1);
    QCOMPARE(list[0].op, QStringLiteral("*"));
    QCOMPARE(list[1].header, QStringLiteral("Température"));
    QCOMPARE(list[1].unit, QStringLiteral("°C"));
    QVERIFY(list[1].crcHighFirst && list[1].lowByteFirst);
    QVERIFY(!list[2].crcHighFirst && list[2].lowByteFirst);
    QCOMPARE(list[3].unit, QStringLiteral("℉"));

    insertSensors({{1, 1, "", 0, QStringLiteral("A"), QStringLiteral("V"), 0, 0},
                   {2, 1, "", 0, QStringLiteral("B"), QStringLiteral("A"), 0, 0}});
    sensors.load(readSensorSettings());
    const auto shown = sensors.mainViewSlots(QStringLiteral("0,1,10"), decimalComma);
    QVERIFY(!shown[0].update); // item 9 is hidden: the slot keeps what it shows
    QVERIFY(shown[1].update);
    QCOMPARE(shown[1].title, QStringLiteral("B"));
    QCOMPARE(shown[1].value, QStringLiteral("0"));
    for (int slot : {2, 3})
        QVERIFY(shown[slot].update && shown[slot].title.isEmpty() && shown[slot].value.isEmpty());
}

void TestSensors::passAgainstModbusSlave()
{
    TempAppDir dir;
    ManualClock clock(QDateTime(QDate(2026, 6, 1), QTime(13, 0))); // the pauses before requests pass at once
    dir.openDatabase();
    ModbusSlave slave(dir.path(), kPort, 1, {{1, 0x012C}, {2, 125}, {3, 1000}});
    insertSensors({{1, 1, "/", 0, QStringLiteral("Irradiance"), QStringLiteral("W/m2"), 0, 0},
                   {1, 1, "", 0, QStringLiteral("Swapped"), QStringLiteral("W"), 0, 1},
                   {1, 2, "/", 10, QStringLiteral("Temperature"), QStringLiteral("°C"), 0, 0},
                   {1, 3, "-", 1000.5, QStringLiteral("Offset"), QStringLiteral("V"), 0, 0}});
    SensorList &sensors = ProgramState::instance().sensors();
    sensors.load(readSensorSettings());
    sensors.readAll(openSharedPort());
    QCOMPARE(sensors.latestValues(), (QList<double>{300.0, 11265.0, 12.5, -0.5}));

    const auto shown = sensors.mainViewSlots(QStringLiteral("0,9,11,12"), decimalComma);
    QCOMPARE(shown[2].title, QStringLiteral("Temperature"));
    QCOMPARE(shown[2].value, QStringLiteral("12,5"));
    QCOMPARE(shown[2].unit, QStringLiteral("°C"));
    QCOMPARE(shown[3].value, QStringLiteral("-0,5"));
    QVERIFY(!shown[1].update);
}

void TestSensors::crcOrderRetriesAndShortReplies()
{
    TempAppDir dir;
    ManualClock clock(QDateTime(QDate(2026, 6, 1), QTime(13, 0))); // the pauses before requests pass at once
    dir.openDatabase();
    // Slave 2 wants its CRC high byte first; slave 3 answers in full once, then
    // four bytes; slave 4 answers only a repeated request, and at once later on.
    QMap<int, int> asked;
    LinePeer peer(dir.path(), kPort, [&asked](const QByteArray &request) {
        const quint8 slave = quint8(request[0]);
        const int times = ++asked[slave];
        const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(request.constData()), 6);
        if (slave == 2)
            return request.size() == 8 && quint8(request[6]) == crc >> 8 ? sensorReply(2, 100) : QByteArray();
        if (slave == 3)
            return times == 1 ? sensorReply(3, 0x0102) : sensorReply(3, 0x0909).left(4);
        return times == 1 ? QByteArray() : sensorReply(4, 40);
    });
    insertSensors({{2, 1, "*", 0.5, QStringLiteral("High first"), QStringLiteral("W"), 1, 0},
                   {3, 1, "", 0, QStringLiteral("Short"), QStringLiteral("W"), 0, 1},
                   {4, 1, "", 0, QStringLiteral("Late"), QStringLiteral("W"), 0, 0}});
    SensorList &sensors = ProgramState::instance().sensors();
    sensors.load(readSensorSettings());
    CSerial &port = openSharedPort();
    sensors.readAll(port);
    QCOMPARE(sensors.latestValues(), (QList<double>{50.0, 513.0, 40.0}));
    QCOMPARE(peer.heard().size(), 4); // slave 4 was asked twice
    sensors.readAll(port);
    QCOMPARE(sensors.latestValues(), (QList<double>{50.0, 513.0, 40.0})); // four bytes change nothing
    QCOMPARE(peer.heard().size(), 7);

    port.close();
    QElapsedTimer timer;
    timer.start();
    sensors.readAll(port); // a closed port: no pauses, nothing changes
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(sensors.latestValues(), (QList<double>{50.0, 513.0, 40.0}));
}

void TestSensors::reloadDuringPass()
{
    TempAppDir dir;
    dir.openDatabase();
    LinePeer peer(dir.path(), kPort, [](const QByteArray &) { return sensorReply(1, 99); });
    insertSensors({{1, 1, "", 0, QStringLiteral("Sensor"), QStringLiteral("W"), 0, 0}});
    SensorList &sensors = ProgramState::instance().sensors();
    sensors.load(readSensorSettings());
    CSerial &port = openSharedPort();
    std::thread pass([&] { sensors.readAll(port); });
    QTest::qWait(200); // inside the pass's pause
    QElapsedTimer timer;
    timer.start();
    sensors.load(readSensorSettings());
    const qint64 reloadMs = timer.elapsed();
    pass.join();
    QVERIFY2(reloadMs < 500, qPrintable(QString::number(reloadMs)));
    QCOMPARE(peer.heard().size(), 1);
    QCOMPARE(sensors.latestValues(), QList<double>{0.0}); // the answer belonged to the old list
    sensors.readAll(port);
    QCOMPARE(sensors.latestValues(), QList<double>{99.0});
}
