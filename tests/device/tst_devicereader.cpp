#include "tst_devicereader.h"

#include "device/devicereader.h"
#include "device/devicerecord.h"
#include "device/errortables.h"
#include "device/statetables.h"
#include "linesimulator.h"
#include "link/ccommand.h"
#include "link/cserial.h"
#include "support/tempappdir.h"

#include <QJsonDocument>
#include <QtTest>

namespace {
constexpr int kPort = 7;
constexpr int kBaud = 38400;

// One inverter of each family with fixed monitoring words.
const QByteArray kPlant = R"({"inverters":[
 {"address":1,"versionw3":0,"model":440,"typeNo":2,"brand":"LUMORA","type":"LMR-4K4-EU","serial":"LE44A0012345",
  "serialNumber":[12,345],"currentVersion":2.14,"sequenceVersion":1.07,
  "registers":{"1":4660,"181":4,"186":3000,"188":3200,"193":2100,"209":1234,"211":6,"247":2200}},
 {"address":3,"versionw3":203,"model":500,"typeNo":7,"type":"LMR-5K0-US","serial":"LU50C0034567",
  "serialNumber":[34,567],"registers":{"182":8,"189":1500,"191":700,"193":1400,"247":0}},
 {"address":4,"versionw3":303,"model":1500,"typeNo":1,"type":"LMR-15K-3P","serial":"LT15D0045678",
  "serialNumber":[45,678],"currentVersion":4.01,"sequenceVersion":2.03,
  "registers":{"190":2600,"191":2400,"194":1600,"197":1600,"200":1600,"229":60}}]})";

// The simulator on ports/COM7 and a port open on it.
struct Line
{
    TempAppDir dir;
    LineSimulator simulator;
    CSerial port;

    bool open(const QByteArray &scenario)
    {
        QString error;
        if (!simulator.start(QJsonDocument::fromJson(scenario).object(), &error)) {
            qWarning() << error;
            return false;
        }
        return simulator.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort))) && port.open(kPort, kBaud) == 1;
    }
    bool openFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && open(file.readAll());
    }
};

DeviceRecord recordAt(int address)
{
    DeviceRecord record;
    record.addr = quint8(address);
    return record;
}
} // namespace

void TestDeviceReader::readsEveryFamily()
{
    Line line;
    QVERIFY(line.open(kPlant));
    CCommand command(line.port);
    DeviceReader reader(command);
    DeviceRecord d[5];
    for (int address : {1, 3, 4}) {
        d[address] = recordAt(address);
        reader.readIdentity(d[address]);
        QVERIFY(reader.readMonitoring(d[address]));
    }

    const DeviceRecord &eur = d[1];
    QCOMPARE(eur.brand_name, QStringLiteral("LUMORA"));
    QCOMPARE(eur.type_name, QStringLiteral("LMR-4K4-EU"));
    QCOMPARE(eur.sn_name, QStringLiteral("LE44A0012345"));
    QCOMPARE(eur.sn_number, QStringLiteral("00120345"));
    QCOMPARE(eur.model_name_ee, 440);
    QCOMPARE(eur.type_no, 2);
    QCOMPARE(eur.currentVersionText(), QStringLiteral("2.14"));
    QCOMPARE(eur.sequenceVersionText(), QStringLiteral("1.07"));
    QCOMPARE(eur.vpv, 310.0);
    QCOMPARE(eur.efficiency, double(2100.0f / 2200.0f) * 100.0);
    QCOMPARE(eur.word(270), quint16(4660)); // register 1 of the information read

    const DeviceRecord &usa0 = d[3];
    QCOMPARE(usa0.sn_number, QStringLiteral("00340567"));
    QCOMPARE(usa0.dc_power, 1500);
    QCOMPARE(usa0.efficiency, 0.0); // Pdc register 0
    QCOMPARE(int(usa0.err1), 8);
    QVERIFY(!usa0.hasListedModelName());

    const DeviceRecord &usa1 = d[4];
    QCOMPARE(usa1.sn_name, QStringLiteral("LT15D0045678"));
    QCOMPARE(usa1.sn_number, QStringLiteral("00450678"));
    QCOMPARE(usa1.type_name, QStringLiteral("LMR-15K-3P"));
    QCOMPARE(usa1.model_name_ee, 1500);
    QCOMPARE(usa1.current_ver, 401);
    QCOMPARE(usa1.sequence_ver, 203);
    QCOMPARE(usa1.type_no, 1);
    QVERIFY(usa1.hasListedModelName());
    QCOMPARE(usa1.efficiency, 96.0); // 4800 W of 5000 W
    QCOMPARE(usa1.nominal_fac, 60);
}

void TestDeviceReader::failedReadsKeepIdentityAndGoOffline()
{
    Line line;
    QVERIFY(line.open(kPlant));
    CCommand command(line.port);
    DeviceReader reader(command);
    DeviceRecord d = recordAt(1);
    reader.readIdentity(d);
    QVERIFY(reader.readMonitoring(d));
    const DeviceRecord before = d;

    // Two blocks arrive, then the inverter falls silent: they stay, the rest is zero.
    FaultSpec midBlock = FaultSpec::make(FaultSpec::Type::SilentMidBlock);
    midBlock.after = 2;
    QVERIFY(line.simulator.setFaults(0, {midBlock}));
    QVERIFY(!reader.readMonitoring(d));
    QCOMPARE(d.fail_count, 1);
    QCOMPARE(d.word(181), quint16(4));
    QCOMPARE(d.word(209), quint16(1234)); // register 209 lies in the second block
    QCOMPARE(d.word(211), quint16(0));
    QCOMPARE(d.ac_power, 0);
    QCOMPARE(d.vpv, 310.0);

    QVERIFY(line.simulator.setFaults(0, {FaultSpec::make(FaultSpec::Type::Silent)}));
    d.alarmedErrors[1] = {3};
    d.last_err1 = 1;
    reader.readIdentity(d);
    QCOMPARE(d.versionw3, before.versionw3);
    QCOMPARE(d.sn_name, before.sn_name);
    QCOMPARE(d.sn_number, before.sn_number);
    QCOMPARE(d.current_ver, before.current_ver);
    QVERIFY(!reader.readMonitoring(d));
    QVERIFY(!d.isOffline());
    QCOMPARE(d.alarmedErrors.size(), 1);
    QVERIFY(!reader.readMonitoring(d));
    QVERIFY(d.isOffline());
    QVERIFY(d.alarmedErrors.isEmpty());
    QCOMPARE(int(d.last_err1), 0);
    QCOMPARE(d.word(181), quint16(0));

    QVERIFY(line.simulator.setFaults(0, {}));
    QVERIFY(reader.readMonitoring(d));
    QVERIFY(!d.isOffline());
    QCOMPARE(d.fail_count, 0);
}

void TestDeviceReader::mixedPlant()
{
    // The shipped scenario at noon, two minutes in: every family produces and
    // the USA0 inverter reports its isolation error.
    Line line;
    line.simulator.setFixedTime(QDateTime(QDate(2024, 6, 21), QTime(12, 0)));
    QVERIFY(line.openFile(QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/mixed-plant.json")));
    line.simulator.setFixedTime(QDateTime(QDate(2024, 6, 21), QTime(12, 2)));
    CCommand command(line.port);
    DeviceReader reader(command);
    for (int address = 1; address <= 4; ++address) {
        DeviceRecord d = recordAt(address);
        reader.readIdentity(d);
        QVERIFY(reader.readMonitoring(d));
        const QVector<quint16> words = line.simulator.readRegisters(address - 1, 181, 89);
        for (int i = 0; i < words.size(); ++i)
            QCOMPARE(d.word(181 + i), words.at(i));
        QCOMPARE(d.brand_name, QStringLiteral("LUMORA"));
        QVERIFY(d.sn_name.startsWith(QLatin1Char('L')));
        QCOMPARE(d.hasListedModelName(), address == 4);
        QVERIFY(d.ac_power > 0);
        QVERIFY(d.efficiency > 90 && d.efficiency <= 96.3);
        QVERIFY(!stateName(d.versionw3, d.state_code).isEmpty());
        const QVector<DecodedError> errors = decodeErrors(d.versionw3, d.err1, d.err2, d.err3, d.err4);
        QCOMPARE(errors.size(), address == 3 ? 1 : 0);
        if (address == 3)
            QVERIFY(errors.first().info->description != QLatin1String("N/A"));
    }
}
