#include "device/monitortables.h"

#include "device/devicerecord.h"

#include <QCoreApplication>

#include <initializer_list>

namespace {
struct Row
{
    int registerNo;
    const char *name;
    const char *unit;
    double scale;
};

MonitorTable buildTable(std::initializer_list<Row> rows)
{
    MonitorTable table;
    for (const Row &row : rows)
        table.insert(row.registerNo, MonitorData(row.registerNo, QString::fromLatin1(row.name),
                                                 QString::fromLatin1(row.unit), row.scale));
    return table;
}
} // namespace

const MonitorTable &MonitorRegistersEUR()
{
    static const MonitorTable table = buildTable({
        {181, "State_COD", "", 1},
        {182, "Error_PC_COD1", "", 1},
        {183, "Error_PC_COD2", "", 1},
        {184, "Error_PC_COD3", "", 1},
        {185, "Error_PC_COD4", "", 1},
        {186, "VpvA", "V", 0.1},
        {187, "VpvB", "V", 0.1},
        {188, "VpvC", "V", 0.1},
        {189, "PpvA", "W", 1},
        {190, "PpvB", "W", 1},
        {191, "PpvC", "W", 1},
        {192, "Vac", "V", 0.1},
        {193, "Pac", "W", 1},
        {194, "Iac", "A", 0.1},
        {195, "Fac", "Hz", 0.01},
        {196, "TOTAL_POWER_H", "kWh", 1000},
        {197, "TOTAL_POWER_l", "kWh", 0.1},
        {198, "EpvA_H", "kWh", 1000},
        {199, "EpvA_L", "kWh", 0.1},
        {200, "EpvB_H", "kWh", 1000},
        {201, "EpvB_L", "kWh", 0.1},
        {202, "EpvC_H", "kWh", 1000},
        {203, "EpvC_L", "kWh", 0.1},
        {204, "TIME_ON_TODAY", "H", 1.0 / 2048},
        {205, "Ires", "ma", 1},
        {206, "TempHS", "C", 0.1},
        {207, "Z", "OHM", 0.01},
        {208, "IR", "MOHM", 0.01},
        {209, "TIME_HR_CNT", "Hour", 1},
        {210, "TIME_MIN_CNT", "Min", 1},
        {211, "TIME_SEC_CNT", "Sec", 1},
        {212, "BridgeRelay_ON_NumH", "", 1},
        {213, "BridgeRelay_ON_NumL", "", 1},
        {214, "VacTRIP", "V", 0.1},
        {215, "FacTRIP", "Hz", 0.01},
        {216, "IdcinjHS", "ma", 10},
        {217, "Eac_L_TODAY", "kWh", 0.1},
        {219, "State_COD_CURR", "", 1},
        {222, "POWER_ON_NUM", "", 1},
        {223, "POWER_ON_NUM_CURR", "", 1},
        {224, "IresCar", "mV", 1},
        {225, "IpvA", "A", 0.1},
        {226, "IpvB", "A", 0.1},
        {227, "IpvC", "A", 0.1},
        {228, "VpvATRIP", "V", 0.1},
        {229, "VpvBTRIP", "V", 0.1},
        {230, "VpvCTRIP", "V", 0.1},
        {231, "VpvTRIP_SOUR_CURR", "", 1},
        {232, "IDCC_TRIP", "A", 0.01},
        {233, "IR_TRIP", "MOHM", 0.01},
        {234, "IR_DELTA_TRIP", "V", 0.1},
        {235, "IR_RATE_TRIP", "", 0.01},
        {236, "V1650_TRIP", "V", 0.001},
        {237, "DeltCPU_VPE", "V", 0.1},
        {238, "DeltCPU_Idc", "A", 0.01},
        {239, "DeltaCPU_Vac", "V", 0.1},
        {240, "DeltaCPU_Fac", "Hz", 0.01},
        {241, "DeltaCPU_Ires", "mA", 1},
        {242, "DeltaCPU_Zac", "OHM", 0.01},
        {243, "RCMA10_DELT_TRIP", "mA", 1},
        {245, "Ires_FAST_TRIP", "mA", 1},
        {246, "Ires_SLOW_TRIP", "mA", 1},
        {247, "Pdc", "W", 1},
        {248, "VDCbus", "V", 0.1},
        {250, "VDCbus", "V", 0.1},
        {251, "Idcinj", "A", 0.01},
        {252, "IdcinjTRIP", "A", 0.01},
        {253, "FAN_POWER_FLG", "", 1},
        {254, "PF_COS_THETA_DISP", "", 0.001},
        {255, "VacTimeTRIP", "ms", 1},
        {256, "FacTimeTRIP", "ms", 1},
        {258, "AutoTest_Flg", "", 1},
        {259, "AutoTest_STATE_REG", "", 1},
        {260, "AutoTest_VacH_COM", "V", 0.1},
        {261, "AutoTest_VacL_COM", "V", 0.1},
        {262, "AutoTest_FacH_COM", "", 1},
        {263, "AutoTest_FacL_COM", "", 1},
        {264, "DSP_IDN", "", 1},
        {265, "MODEL_NAME", "", 1},
        {266, "SN_HIGH", "", 1},
        {267, "SN_LOW", "", 1},
        {268, "DEVICE_VER", "", 1},
        {269, "VersionW1", "", 1},
        {270, "VersionW1_CURR", "", 1},
        {271, QT_TRANSLATE_NOOP("MonitorTables", "Sensor 1"), "", 1},
        {272, QT_TRANSLATE_NOOP("MonitorTables", "Sensor 2"), "", 1},
        {273, QT_TRANSLATE_NOOP("MonitorTables", "Sensor 3"), "", 1},
        {274, QT_TRANSLATE_NOOP("MonitorTables", "Sensor 4"), "", 1},
    });
    return table;
}

const MonitorTable &MonitorRegistersUSA1()
{
    static const MonitorTable table = buildTable({
        {181, "State_COD", "", 1},        {182, "Error_PC_COD1", "", 1},
        {183, "Error_PC_COD2", "", 1},    {184, "Error_PC_COD3", "", 1},
        {185, "Error_PC_COD4", "", 1},    {186, "Vpv_A", "V", 0.1},
        {187, "Vpv_B", "V", 0.1},         {188, "Ipv_A", "A", 0.1},
        {189, "Ipv_B", "A", 0.1},         {190, "Ppv_A", "W", 1},
        {191, "Ppv_B", "W", 1},           {192, "Vac_L1", "V", 0.1},
        {193, "Iac_L1", "A", 0.1},        {194, "Pac_L1", "W", 1},
        {195, "Vac_L2", "V", 0.1},        {196, "Iac_L2", "A", 0.1},
        {197, "Pac_L2", "W", 1},          {198, "Vac_L3", "V", 0.1},
        {199, "Iac_L3", "A", 0.1},        {200, "Pac_L3", "W", 1},
        {201, "Fac", "Hz", 0.01},         {202, "Eac_H", "kWh", 1000},
        {203, "Eac_L", "kWh", 0.1},       {204, "EpvA_H", "kWh", 1000},
        {205, "EpvA_L", "kWh", 0.1},      {206, "EpvB_H", "kWh", 1000},
        {207, "EpvB_L", "kWh", 0.1},      {208, "Ton_today", "Hr", 1.0 / 1800},
        {209, "Riso_A", "MOHM", 0.01},    {210, "Riso_B", "MOHM", 0.01},
        {211, "Ires", "mA", 1},           {212, "Heatsink_Temp_1", "C", 0.1},
        {213, "Eac_TODAY", "kWh", 0.1},   {214, "Ton_total_Hr", "Hr", 1},
        {215, "Ton_total_Min", "Min", 1}, {216, "Ton_total_Sec", "Sec", 1},
    });
    return table;
}

const MonitorTable &monitorTable(const DeviceRecord &device)
{
    return device.isUSA1Family() ? MonitorRegistersUSA1() : MonitorRegistersEUR();
}

const MonitorData *monitorEntry(const MonitorTable &table, int registerNo)
{
    const auto it = table.constFind(registerNo);
    return it == table.constEnd() ? nullptr : &*it;
}

QString translatedName(const MonitorData &entry)
{
    return QCoreApplication::translate("MonitorTables", entry.name.toLatin1().constData());
}
