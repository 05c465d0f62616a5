#include "tst_plantreads.h"

#include "device/devicefamily.h"
#include "linesimulator.h"
#include "link/ccommand.h"
#include "link/cserial.h"
#include "support/tempappdir.h"
#include "testlog.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int kPort = 7;
const QString kScenario = QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/mixed-plant.json");

// The mixed plant on COM7 of a fresh application directory, at a fixed midday
// so that the live values stand still; the port open at 38400 baud.
struct MixedPlant
{
    TempAppDir dir;
    LineSimulator simulator;
    Scenario scenario;
    CSerial port;

    bool start()
    {
        QStringList errors;
        const std::optional<Scenario> loaded = Scenario::load(kScenario, &errors);
        if (!loaded)
            return false;
        scenario = *loaded;
        simulator.setFixedTime(QDateTime(QDate(2026, 6, 1), QTime(13, 0)));
        return simulator.start(scenario) && simulator.link(dir.file(QStringLiteral("ports/COM7"))) &&
               port.open(kPort, 38400) == 1;
    }
};

quint16 registerOf(const LineSimulator &simulator, int inverter, int reg)
{
    return simulator.readRegisters(inverter, reg, 1).value(0);
}

} // namespace

void TestPlantReads::everyInverterInFull()
{
    MixedPlant plant;
    QVERIFY(plant.start());
    QCOMPARE(plant.scenario.inverters.size(), 4);
    CCommand command(plant.port);
    quint8 reply[CCommand::kReplyBufferSize];
    const auto word = [&](quint8 addr, quint16 reg) {
        return command.read_word(addr, reply, reg) == 9 ? int(CCommand::reply_word(reply)) : -1;
    };

    QSet<int> maps;
    for (int i = 0; i < plant.scenario.inverters.size(); ++i) {
        const InverterSpec &inverter = plant.scenario.inverters.at(i);
        const quint8 addr = quint8(inverter.address);
        QCOMPARE(word(addr, 133), inverter.versionw3);
        const bool mapB = isUSA1Family(inverter.versionw3);
        const CCommand::RegisterMap map = mapB ? CCommand::RegisterMap::B : CCommand::RegisterMap::A;
        maps << int(map);

        QCOMPARE(command.get_brand_name(addr, reply, map), 23);
        QCOMPARE(CCommand::reply_text(reply, 23), inverter.brand);
        QCOMPARE(command.get_type_name(addr, reply, map), 23);
        QCOMPARE(CCommand::reply_text(reply, 23), inverter.type);
        for (const bool retry : {true, false}) {
            QCOMPARE(command.get_sn_name(addr, reply, map, retry), 23);
            QCOMPARE(CCommand::trim_sn_name(CCommand::reply_text(reply, 23)), inverter.serial);
        }
        QCOMPARE(command.get_sn_number(addr, reply, map), 11);
        QCOMPARE(CCommand::word_at(reply, 4), inverter.serialHigh);
        QCOMPARE(CCommand::word_at(reply, 6), inverter.serialLow);
        QCOMPARE(word(addr, 18), inverter.typeNo);
        QCOMPARE(word(addr, mapB ? 265 : 86), inverter.model);
        QCOMPARE(word(addr, mapB ? 270 : 134), inverter.currentVersion);
        QCOMPARE(word(addr, mapB ? 269 : 131), inverter.sequenceVersion);

        quint8 block[CCommand::kMonitorBlockSize] = {};
        QCOMPARE(command.read_monitor_data(addr, block), 1);
        const QVector<quint16> monitor = plant.simulator.readRegisters(i, 0x00B5, 89);
        QVERIFY(monitor.at(193 - 181) > 0); // midday: the plant produces
        for (int reg = 0x00B5; reg <= 0x010D; ++reg)
            QCOMPARE(CCommand::monitor_word(block, reg), monitor.at(reg - 0x00B5));

        quint8 low[CCommand::kLowBlockSize] = {};
        QCOMPARE(command.read_low_registers(addr, low), 1);
        const QVector<quint16> lowRegisters = plant.simulator.readRegisters(i, 1, 22);
        for (int reg = 1; reg <= 22; ++reg)
            QCOMPARE(CCommand::low_word(low, reg), lowRegisters.at(reg - 1));

        const quint16 ac = registerOf(plant.simulator, i, 0x00C1);
        const quint16 dc = registerOf(plant.simulator, i, 0x00F7);
        QCOMPARE(command.read_efficiency(addr, reply), ac && dc ? float(ac) / float(dc) : 0.0f);

        const QString serial =
            QString::asprintf("%04d%04d%04d", registerOf(plant.simulator, i, 0x0056),
                              registerOf(plant.simulator, i, 0x0017), registerOf(plant.simulator, i, 0x0018));
        QCOMPARE(command.get_serial_number(addr, reply), serial);
        if (!mapB)
            QCOMPARE(serial.mid(4), QString::asprintf("%04d%04d", inverter.serialHigh, inverter.serialLow));
    }
    QCOMPARE(maps.size(), 2);
    QCOMPARE(logCount(plant.dir, QStringLiteral("read_by_send()")), 0);
    for (const HeardRequest &request : plant.simulator.requests())
        QVERIFY(!request.answer.isEmpty());
}

void TestPlantReads::faultsFailTheRead()
{
    MixedPlant plant;
    QVERIFY(plant.start());
    CCommand command(plant.port);
    quint8 reply[CCommand::kReplyBufferSize];

    plant.simulator.addFault(0, FaultSpec::make(FaultSpec::Type::Silent));
    QCOMPARE(command.read_word(1, reply, 133), 0);
    QCOMPARE(logCount(plant.dir, QStringLiteral("read_by_send() read 0")), 2);

    plant.simulator.addFault(1, FaultSpec::make(FaultSpec::Type::WrongCrc));
    QCOMPARE(command.get_brand_name(2, reply, CCommand::RegisterMap::A), 0);
    QCOMPARE(logCount(plant.dir, QStringLiteral("read_by_send() crc error")), 2);

    // Two monitoring reads answered, the third silent twice: the block keeps the first two.
    FaultSpec midBlock = FaultSpec::make(FaultSpec::Type::SilentMidBlock);
    midBlock.after = 2;
    plant.simulator.addFault(2, midBlock);
    quint8 block[CCommand::kMonitorBlockSize] = {};
    QCOMPARE(command.read_monitor_data(3, block), 0);
    QCOMPARE(logCount(plant.dir, QStringLiteral("read_by_send() read 0")), 4);
    const QVector<quint16> monitor = plant.simulator.readRegisters(2, 0x00B5, 89);
    for (int reg = 0x00B5; reg <= 0x010D; ++reg)
        QCOMPARE(CCommand::monitor_word(block, reg), reg < 0x00B5 + 30 ? monitor.at(reg - 0x00B5) : quint16(0));

    // Faults gone: the same reads succeed.
    for (int i = 0; i < 3; ++i)
        plant.simulator.setFaults(i, {});
    QCOMPARE(command.read_word(1, reply, 133), 9);
    QCOMPARE(command.get_brand_name(2, reply, CCommand::RegisterMap::A), 23);
    QCOMPARE(command.read_monitor_data(3, block), 1);
    QCOMPARE(CCommand::monitor_word(block, 0x010D), monitor.last());
}
