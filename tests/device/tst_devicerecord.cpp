#include "tst_devicerecord.h"

#include "device/devicerecord.h"
#include "device/errortables.h"
#include "device/monitordecoder.h"
#include "device/monitortables.h"

#include <QtTest>

namespace {
const QMap<int, int> kWords{{181, 4},    {182, 1},   {185, 0x8000}, {186, 3000}, {187, 9990}, {188, 3200},
                            {189, 1000}, {190, 777}, {191, 1200},   {192, 2305}, {193, 2100}, {194, 91},
                            {195, 5001}, {196, 3},   {197, 25},     {204, 7168}, {209, 1234}, {210, 5},
                            {211, 6},    {225, 50},  {226, 999},    {227, 70},   {229, 55}};

// A record whose monitoring block holds the given register words.
DeviceRecord recordWith(int versionw3, const QMap<int, int> &words, int model_name_ee = 0)
{
    DeviceRecord record;
    record.versionw3 = versionw3;
    record.model_name_ee = model_name_ee;
    DeviceRecord::MonitorBlock block{};
    for (auto it = words.begin(); it != words.end(); ++it) {
        block[size_t(2 * (it.key() - 181))] = quint8(it.value() >> 8);
        block[size_t(2 * (it.key() - 181) + 1)] = quint8(it.value());
    }
    record.setMonitorBlock(block.data());
    decodeMonitorBlock(record);
    return record;
}
} // namespace

void TestDeviceRecord::allZeroBlockDecodesToZeros()
{
    for (int versionw3 : {0, 3, 303}) {
        const DeviceRecord d = recordWith(versionw3, {});
        QCOMPARE(d.output_time, QStringLiteral("0:0:0"));
        QCOMPARE(d.time_on_today, QStringLiteral("0.00Hr"));
        QCOMPARE(d.ac_power + d.dc_power, 0);
        QCOMPARE(d.vpv + d.vac + d.iac + d.fac + d.ipv + d.total_power, 0.0);
    }
}

void TestDeviceRecord::decodesEurAndUsa0()
{
    const DeviceRecord two = recordWith(0, kWords);
    QCOMPARE(two.vpv, 310.0); // B skipped
    QCOMPARE(two.dc_power, 2200);
    QCOMPARE(two.ipv, 6.0);
    QCOMPARE(two.ac_power, 2100);
    QCOMPARE(two.vac, 230.5);
    QCOMPARE(two.iac, 9.1);
    QCOMPARE(two.fac, 50.01);
    QCOMPARE(two.total_power, 3002.5);
    QCOMPARE(two.output_time, QStringLiteral("1234:5:6"));
    QCOMPARE(two.time_on_today, QStringLiteral("3.50Hr"));
    QCOMPARE(two.nominal_fac, 0);
    QCOMPARE(int(two.state_code), 4);
    QCOMPARE(int(two.err1), 1);
    QCOMPARE(int(two.err4), 0x8000);

    QMap<int, int> three = kWords;
    three[187] = 3100;
    three[226] = 60;
    const DeviceRecord d = recordWith(0, three, 460);
    QCOMPARE(d.vpv, 310.0);
    QCOMPARE(d.dc_power, 2977);
    QCOMPARE(d.ipv, 6.0);

    const DeviceRecord usa0 = recordWith(203, kWords, 460); // string A only
    QCOMPARE(usa0.vpv, 300.0);
    QCOMPARE(usa0.dc_power, 1000);
    QCOMPARE(usa0.ipv, 5.0);
    QCOMPARE(usa0.ac_power, 2100);
    QCOMPARE(usa0.total_power, 3002.5);
}

void TestDeviceRecord::decodesUsa1()
{
    const DeviceRecord d = recordWith(303, {{186, 3000}, {187, 3100}, {188, 40},  {189, 45},   {190, 1300}, {191, 1400},
                                            {192, 2770}, {193, 30},   {194, 800}, {195, 2780}, {196, 31},   {197, 810},
                                            {198, 2790}, {199, 32},   {200, 820}, {201, 6001}, {202, 12},   {203, 7},
                                            {208, 4050}, {214, 99},   {215, 59},  {216, 1},    {229, 55}});
    QCOMPARE(d.vpv, 610.0);
    QCOMPARE(d.ipv, 8.5);
    QCOMPARE(d.dc_power, 2700);
    QCOMPARE(d.ac_power, 2430);
    QCOMPARE(d.iac, 9.3);
    QCOMPARE(d.vac, 834.0);
    QCOMPARE(d.fac, 60.01);
    QCOMPARE(d.total_power, 12000.7);
    QCOMPARE(d.output_time, QStringLiteral("99:59:1"));
    QCOMPARE(d.time_on_today, QStringLiteral("2.25Hr"));
    QCOMPARE(d.nominal_fac, 50);
    QCOMPARE(recordWith(400, {{229, 60}}).nominal_fac, 60);
    // The hours are rounded to single precision first: 9 / 1800 = 0.005 prints as 0.00.
    QCOMPARE(recordWith(303, {{208, 9}}).time_on_today, QStringLiteral("0.00Hr"));
}

void TestDeviceRecord::efficiencyRules()
{
    DeviceRecord d;
    d.versionw3 = 303;
    d.efficiency = 91.5;
    d.ac_power = 4000;
    setEfficiencyFromPowers(d); // no DC power: kept
    QCOMPARE(d.efficiency, 91.5);
    d.dc_power = 5000;
    setEfficiencyFromPowers(d);
    QCOMPARE(d.efficiency, 80.0);
    d.ac_power = 5000;
    setEfficiencyFromPowers(d);
    QCOMPARE(d.efficiency, 96.3);

    setEfficiencyFromQuotient(d, 0.5f);
    QCOMPARE(d.efficiency, 50.0);
    setEfficiencyFromQuotient(d, 1.2f);
    QCOMPARE(d.efficiency, 96.3);
    setEfficiencyFromQuotient(d, 0.0f);
    QCOMPARE(d.efficiency, 0.0);
}

void TestDeviceRecord::offlineFaultAndReset()
{
    DeviceRecord d;
    d.fail_count = 2;
    QVERIFY(!d.isOffline());
    d.fail_count = 3;
    QVERIFY(d.isOffline());

    d.state_code = 60;
    QVERIFY(d.hasFault());
    QVERIFY(!d.hasError());
    d.state_code = 4;
    QVERIFY(!d.hasFault());
    d.err3 = 0x10;
    QVERIFY(d.hasError());
    QVERIFY(d.hasFault());

    d = recordWith(0, kWords);
    d.efficiency = 90;
    d.last_err2 = 2;
    d.resetLiveValues();
    QCOMPARE(d.ac_power + d.dc_power + d.state_code + d.err1 + d.err2 + d.err3 + d.err4, 0);
    QCOMPARE(d.total_power + d.efficiency, 0.0);
    const DeviceRecord kept = recordWith(0, kWords);
    QCOMPARE(d.vpv + d.vac + d.iac + d.fac + d.ipv, kept.vpv + kept.vac + kept.iac + kept.fac + kept.ipv);
    QCOMPARE(d.output_time, kept.output_time);
    QCOMPARE(d.time_on_today, kept.time_on_today);
    QCOMPARE(int(d.last_err2), 2);
    d.clearLastErrors();
    QCOMPARE(int(d.last_err2), 0);
}

void TestDeviceRecord::identityTexts()
{
    DeviceRecord d;
    const quint8 reply[] = {0x0A, 1, 3, 4, 0, 12, 0x01, 0x59, 0, 0, 0x0D};
    d.setSnNumber(reply);
    QCOMPARE(d.sn_number, QStringLiteral("00120345"));

    d.current_ver = 123;
    d.sequence_ver = 100;
    QCOMPARE(d.currentVersionText(), QStringLiteral("1.23"));
    QCOMPARE(d.sequenceVersionText(), QStringLiteral("1.00"));

    d.ac_power = 2100;
    d.dc_power = 2200;
    d.vac = 230.5;
    d.iac = 9.1;
    d.vpv = 310.0 / 3;
    d.ipv = 6;
    d.fac = 50.01;
    QCOMPARE(d.monitorTooltip(), QStringLiteral("<br>---------Monitoring value---------<br>Pac: 2100 W<br>Vac: 230.5 V"
                                                "<br>Iac: 9.1 A<br>Ppv: 2200 W<br>Vpv: 103.333 V<br>Ipv: 6 A"
                                                "<br>Fac: 50.01 Hz<br>"));

    d.versionw3 = 400;
    QCOMPARE(d.errorBitInfo(2, 3), errorBitInfo(400, 2, 3));
    QVERIFY(d.errorBitInfo(2, 3) != errorBitInfo(0, 2, 3));
    QVERIFY(!d.errorBitInfo(5, 0));
    d.type_no = 1;
    d.attachParamSet();
    QCOMPARE(d.paramSet.size(), 19);
    d.versionw3 = 0;
    d.attachParamSet(); // kept once found
    QCOMPARE(d.paramSet.size(), 19);

    QVERIFY(!d.hasListedModelName());
    d.type_name = QStringLiteral("LMR-15K-3P rev B");
    QVERIFY(d.hasListedModelName());
    d.type_name = QStringLiteral("lmr-15k-3p");
    QVERIFY(!d.hasListedModelName());
}

void TestDeviceRecord::wordsAndBlocks()
{
    DeviceRecord d = recordWith(0, {{181, 0x1234}, {269, 0xBEEF}});
    QCOMPARE(d.word(181), quint16(0x1234));
    QCOMPARE(d.word(269), quint16(0xBEEF));
    QCOMPARE(d.word(180), quint16(0));
    QCOMPARE(d.word(271), quint16(0));

    QByteArray info(120, char(0x7F));
    info[0] = 0x01;
    info[1] = 0x02;
    d.setInfoBlock(reinterpret_cast<const quint8 *>(info.constData()), 200); // clamped to the block
    QCOMPARE(d.word(270), quint16(0x0102));
    QCOMPARE(int(d.infoBlock()[99]), 0x7F);
    d.setInfoBlock(reinterpret_cast<const quint8 *>(info.constData()), 34);
    QCOMPARE(int(d.infoBlock()[33]), 0x7F);
    QCOMPARE(int(d.infoBlock()[34]), 0);
}

void TestDeviceRecord::monitoringTables()
{
    const MonitorTable &eur = MonitorRegistersEUR();
    const MonitorTable &usa1 = MonitorRegistersUSA1();
    QCOMPARE(eur.size(), 88);
    QCOMPARE(eur.firstKey(), 181);
    QCOMPARE(eur.lastKey(), 274);
    QCOMPARE(usa1.size(), 36);
    QCOMPARE(usa1.firstKey(), 181);
    QCOMPARE(usa1.lastKey(), 216);
    for (int missing : {218, 220, 221, 244, 249, 257})
        QVERIFY(!monitorEntry(eur, missing));
    for (auto it = eur.begin(); it != eur.end(); ++it)
        QCOMPARE(it->registerNo, it.key());
    QCOMPARE(monitorEntry(eur, 248)->name, monitorEntry(eur, 250)->name);
    QCOMPARE(monitorEntry(eur, 204)->scale * 2048, 1.0);
    QCOMPARE(monitorEntry(usa1, 208)->scale * 1800, 1.0);
    QCOMPARE(monitorEntry(eur, 181)->name, monitorEntry(usa1, 181)->name);
    QCOMPARE(monitorEntry(eur, 206)->unit, QStringLiteral("C"));
    QCOMPARE(monitorEntry(eur, 185)->unit, QString());
    QCOMPARE(monitorEntry(eur, 274)->name, QStringLiteral("Sensor 4"));

    DeviceRecord d;
    d.versionw3 = 400;
    QCOMPARE(&monitorTable(d), &usa1);
    d.versionw3 = 203;
    QCOMPARE(&monitorTable(d), &eur);
}
