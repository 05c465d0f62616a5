#include "tst_linesimulator.h"

#include "lineclient.h"
#include "linesimulator.h"
#include "link/crc16.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// Two EUR inverters share address 7, a third answers at 1.
const QByteArray kSharedSeven = R"({"inverters":[
    {"address":1,"serial":"CLEAN","model":440,"serialNumber":[1,100]},
    {"address":7,"serial":"FIRST","model":440,"serialNumber":[2,200]},
    {"address":7,"serial":"SECOND","model":460,"serialNumber":[3,300]}]})";

QByteArray identity(int model, int high, int low)
{
    return QByteArray::fromHex(QByteArray::number(model, 16).rightJustified(4, '0') +
                               QByteArray::number(high, 16).rightJustified(4, '0') +
                               QByteArray::number(low, 16).rightJustified(4, '0'));
}

QByteArray burnRequest(int address, const QByteArray &identity, int newAddress)
{
    QByteArray frame;
    frame.append(char(0x0A)).append(char(address)).append(char(8)).append(identity).append(char(newAddress));
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(frame.constData()) + 1, 9);
    frame.append(char(crc & 0xFF)).append(char(crc >> 8)).append(char(0x0D));
    return frame;
}

} // namespace

void TestLineSimulator::readAndWriteRegisters()
{
    LineSimulator simulator;
    QVERIFY(simulator.start(json(R"({"inverters":[{"address":3,"serial":"AB12","serialNumber":[12,345],
                                     "registers":{"0x0100":513}}]})")));
    LineClient line(simulator.ptyPath(), 19200);
    QVERIFY(line.isOpen());

    QByteArray expected = QByteArray::fromHex("0A0303"
                                              "04"
                                              "4142"
                                              "3132");
    quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(expected.constData()) + 1, 7);
    expected.append(char(crc & 0xFF)).append(char(crc >> 8)).append(char(0x0D));
    QCOMPARE(line.exchange(LineClient::inverterRequest(3, 3, 790, 2), 11), expected);
    QCOMPARE(line.exchange(LineClient::inverterRequest(3, 3, 23, 2), 11).mid(4, 4), QByteArray::fromHex("000C0159"));
    QCOMPARE(line.exchange(LineClient::inverterRequest(3, 3, 0x100, 1), 9).mid(4, 2), QByteArray::fromHex("0201"));

    const QByteArray write = LineClient::inverterRequest(3, 6, 40, 1234);
    QCOMPARE(line.exchange(write, 10), write);
    QCOMPARE(line.exchange(LineClient::inverterRequest(3, 3, 40, 1), 9).mid(4, 2), QByteArray::fromHex("04D2"));

    // Never an answer to a frame with a wrong CRC, nor to another address.
    QByteArray corrupt = LineClient::inverterRequest(3, 3, 23, 2);
    corrupt[7] = char(corrupt.at(7) ^ 1);
    QCOMPARE(line.exchange(corrupt, 11, 200), QByteArray());
    QCOMPARE(line.exchange(LineClient::inverterRequest(4, 3, 23, 2), 11, 200), QByteArray());

    const QVector<HeardRequest> heard = simulator.requests();
    QCOMPARE(heard.size(), 7);
    QCOMPARE(heard.at(5).kind, HeardRequest::Kind::Unknown);
    QCOMPARE(heard.at(5).answer, QByteArray());
    QCOMPARE(heard.at(0).answer, expected);
    QCOMPARE(heard.at(0).baud, 19200);
    QVERIFY(heard.at(0).lateMs >= 0.0 && heard.at(0).lateMs < 1000.0);
    QCOMPARE(heard.at(5).lateMs, 0.0);

    // A restart begins with the scenario's plant and an empty log.
    simulator.stop();
    QVERIFY(simulator.start(json(R"({"inverters":[{"address":3,"serial":"AB12"}]})")));
    QCOMPARE(line.exchange(LineClient::inverterRequest(3, 3, 40, 1), 9).mid(4, 2), QByteArray::fromHex("0000"));
    QCOMPARE(simulator.requests().size(), 1);
}

void TestLineSimulator::sharedAddressCollides()
{
    LineSimulator simulator;
    QVERIFY(simulator.start(json(kSharedSeven)));
    LineClient line(simulator.ptyPath(), 38400);

    const QByteArray read = line.exchange(LineClient::inverterRequest(7, 3, 23, 2), 11);
    QCOMPARE(read.size(), 11);
    QVERIFY(!LineClient::validInverterFrame(read));
    QVERIFY(LineClient::validInverterFrame(line.exchange(LineClient::inverterRequest(1, 3, 23, 2), 11)));

    const QByteArray both = line.exchange(LineClient::inverterRequest(7, 9, 0, 1), 26);
    QCOMPARE(both.size(), 26);
    QVERIFY(LineClient::validInverterFrame(both.left(13)) && LineClient::validInverterFrame(both.mid(13)));
    QCOMPARE(both.mid(4, 6), identity(440, 2, 200));
    QCOMPARE(both.mid(17, 6), identity(460, 3, 300));
}

void TestLineSimulator::addressAssignmentMovesOnlyTheMatchingInverter()
{
    LineSimulator simulator;
    QVERIFY(simulator.start(json(kSharedSeven)));
    LineClient line(simulator.ptyPath(), 9600);

    // A wrong identity, or the right one at another address, moves nobody.
    QCOMPARE(line.exchange(burnRequest(7, identity(460, 3, 301), 9), 13, 200), QByteArray());
    QCOMPARE(line.exchange(burnRequest(1, identity(460, 3, 300), 9), 13, 200), QByteArray());

    const QByteArray burn = burnRequest(7, identity(460, 3, 300), 9);
    QCOMPARE(line.exchange(burn, 13), burn);
    QCOMPARE(simulator.address(2), 9);
    QCOMPARE(simulator.invertersAt(7), QVector<int>{1});
    QCOMPARE(line.exchange(LineClient::inverterRequest(9, 3, 790, 8), 23).mid(4, 6), QByteArray("SECOND"));
    QCOMPARE(line.exchange(LineClient::inverterRequest(7, 3, 790, 8), 23).mid(4, 5), QByteArray("FIRST"));
}

void TestLineSimulator::repliesArePacedByTheBaudRate()
{
    LineSimulator simulator;
    QVERIFY(simulator.start(json(R"({"inverters":[{"address":1,"serial":"P"}]})")));
    LineClient line(simulator.ptyPath(), 9600);

    // 10 request bytes and 37 reply bytes of 10 bits each at 9600 baud: 49 ms and more.
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(line.exchange(LineClient::inverterRequest(1, 3, 181, 15), 37).size(), 37);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= 48 && elapsed < 49 + 300, qPrintable(QString::number(elapsed)));
}

void TestLineSimulator::faultsSpoilReplies()
{
    LineSimulator simulator;
    QVERIFY(simulator.start(json(R"({"inverters":[
        {"address":1,"serial":"M","faults":[{"type":"silentMidBlock","after":2}]},
        {"address":2,"serial":"C","faults":[{"type":"wrongCrc"}]},
        {"address":3,"serial":"E","faults":[{"type":"echo"},{"type":"short","bytes":5}]}]})")));
    LineClient line(simulator.ptyPath(), 38400);

    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(line.exchange(LineClient::inverterRequest(1, 3, 181, 15), 37).size(), 37);
        QCOMPARE(line.exchange(LineClient::inverterRequest(1, 3, 196, 15), 37).size(), 37);
        QCOMPARE(line.exchange(LineClient::inverterRequest(1, 3, 211, 15), 37, 150), QByteArray());
        QCOMPARE(line.exchange(LineClient::inverterRequest(1, 3, 193, 1), 9).size(), 9);
    }

    const QByteArray wrong = line.exchange(LineClient::inverterRequest(2, 3, 23, 2), 11);
    QCOMPARE(wrong.size(), 11);
    QVERIFY(!LineClient::validInverterFrame(wrong));

    const QByteArray request = LineClient::inverterRequest(3, 3, 23, 2);
    const QByteArray echoed = line.exchange(request, 15);
    QCOMPARE(echoed.left(10), request);
    QCOMPARE(echoed.mid(10), QByteArray::fromHex("0A03030400"));

    simulator.setFaults(1, {});
    QVERIFY(LineClient::validInverterFrame(line.exchange(LineClient::inverterRequest(2, 3, 23, 2), 11)));
    simulator.addFault(1, FaultSpec::make(FaultSpec::Type::Silent));
    QCOMPARE(line.exchange(LineClient::inverterRequest(2, 3, 23, 2), 11, 150), QByteArray());
}

void TestLineSimulator::commandStopsCleanly()
{
    QTemporaryDir appDir;
    const QString link = appDir.filePath("ports/COM7");
    QProcess command;
    command.start(LUMORA_SIM_COMMAND, {LUMORA_SOURCE_DIR "/tools/sim/scenarios/mixed-plant.json", "--link", link});
    QVERIFY(command.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(command.canReadLine(), 5000);
    const QString ptyPath = QString::fromLocal8Bit(command.readLine()).trimmed();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).isSymLink(), 5000);
    QCOMPARE(QFileInfo(link).symLinkTarget(), ptyPath);

    // The plant answers through the link.
    LineClient line(link, 9600);
    QCOMPARE(line.exchange(LineClient::inverterRequest(4, 3, 119, 8), 23).mid(4, 12), QByteArray("LT15D0045678"));

    ::kill(pid_t(command.processId()), SIGTERM);
    QVERIFY(command.waitForFinished(5000));
    QCOMPARE(command.exitStatus(), QProcess::NormalExit);
    QCOMPARE(command.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
}

void TestLineSimulator::commandRejectsBadScenario()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"inverters":[{"address":0,"serial":"X"}], "sensors": 3})");
    file.close();
    QProcess command;
    command.start(LUMORA_SIM_COMMAND, {file.fileName()});
    QVERIFY(command.waitForFinished(5000));
    QCOMPARE(command.exitStatus(), QProcess::NormalExit);
    QCOMPARE(command.exitCode(), 2);
    const QString errors = QString::fromLocal8Bit(command.readAllStandardError());
    QVERIFY2(errors.contains("inverters[0].address") && errors.contains("sensors: must be a list"), qPrintable(errors));
}
