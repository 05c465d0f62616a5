#include "tst_devicereader.h"

#include "device/devicereader.h"
#include "device/devicerecord.h"
#include "linesimulator.h"
#include "link/ccommand.h"
#include "link/cserial.h"
#include "recordtext.h"
#include "support/golden.h"
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
    QString text;
    for (int address : {1, 3, 4}) {
        DeviceRecord d = recordAt(address);
        reader.readIdentity(d);
        QVERIFY(reader.readMonitoring(d));
        text += QStringLiteral("address %1, register 270 %2\n").arg(address).arg(d.word(270)) + identityText(d) +
                valuesText(d);
    }
    COMPARE_GOLDEN("read-records.txt", text);
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
