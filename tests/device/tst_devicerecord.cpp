#include "tst_devicerecord.h"

#include "device/devicerecord.h"
#include "device/errortables.h"
#include "device/monitordecoder.h"
#include "device/monitortables.h"
#include "recordtext.h"
#include "support/golden.h"

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

void TestDeviceRecord::decodesEveryFamily()
{
    QMap<int, int> threeStrings = kWords;
    threeStrings[187] = 3100;
    threeStrings[226] = 60;
    const QMap<int, int> usa1{{186, 3000}, {187, 3100}, {188, 40},  {189, 45},   {190, 1300}, {191, 1400},
                              {192, 2770}, {193, 30},   {194, 800}, {195, 2780}, {196, 31},   {197, 810},
                              {198, 2790}, {199, 32},   {200, 820}, {201, 6001}, {202, 12},   {203, 7},
                              {208, 4050}, {214, 99},   {215, 59},  {216, 1},    {229, 55}};
    const QList<QPair<QString, DeviceRecord>> cases = {
        {"EUR, all zero", recordWith(0, {})},
        {"USA0, all zero", recordWith(3, {})},
        {"USA1, all zero", recordWith(303, {})},
        {"EUR, two strings (B skipped)", recordWith(0, kWords)},
        {"EUR, model 460: three strings", recordWith(0, threeStrings, 460)},
        {"USA0: string A only", recordWith(203, kWords, 460)},
        {"USA1", recordWith(303, usa1)},
        {"USA1 400, nominal 60 Hz", recordWith(400, {{229, 60}})},
        // 9 / 1800 = 0.005 h in single precision prints as 0.00.
        {"USA1, hours rounded in single precision", recordWith(303, {{208, 9}})},
    };
    QString text;
    for (const auto &[name, record] : cases)
        text += name + QLatin1Char('\n') + valuesText(record);
    COMPARE_GOLDEN("decoded-records.txt", text);
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
    // Each family's table is keyed by the register its entry describes.
    for (const MonitorTable *table : {&MonitorRegistersEUR(), &MonitorRegistersUSA1()}) {
        for (auto it = table->begin(); it != table->end(); ++it)
            QCOMPARE(it->registerNo, it.key());
    }
    DeviceRecord d;
    d.versionw3 = 400;
    QCOMPARE(&monitorTable(d), &MonitorRegistersUSA1());
    d.versionw3 = 203;
    QCOMPARE(&monitorTable(d), &MonitorRegistersEUR());
}
