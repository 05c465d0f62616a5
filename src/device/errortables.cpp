#include "device/errortables.h"

#include <QCoreApplication>

#include <deque>

namespace {

struct ErrorRow
{
    int word;
    int bit;
    const char *name;
    const char *description;
};

// The descriptions in English, as the alarm mail sends them; the window shows them translated.
// clang-format off
const ErrorRow kErrorRowsEUR[] = {
    {1,  0, "GridNA",           QT_TRANSLATE_NOOP("ErrorTables", "No AC voltage is detected on the grid side")},
    {1,  1, "VacH",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of mains utility is over the upper limit")},
    {1,  2, "VacL",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of mains utility is under the lower limit")},
    {1,  3, "FacH",             QT_TRANSLATE_NOOP("ErrorTables", "The frequency of AC voltage of the utility is over the upper limit")},
    {1,  4, "FacL",             QT_TRANSLATE_NOOP("ErrorTables", "The frequence of AC voltage of the utility is under the lower limit")},
    {1,  5, "Zac",              QT_TRANSLATE_NOOP("ErrorTables", "The AC impedance of the grid is out of range")},
    {1,  6, "DeltaZ",           QT_TRANSLATE_NOOP("ErrorTables", "The rate of change of the AC grid impedance is higher than setting value")},
    {1,  7, "Drift Fac",        QT_TRANSLATE_NOOP("ErrorTables", "Islanding is detected")},
    {1,  8, "FastEarthCurr",    QT_TRANSLATE_NOOP("ErrorTables", "The drastic change of the leakage current has been detected")},
    {1,  9, "SlowEarthCurr",    QT_TRANSLATE_NOOP("ErrorTables", "The leakage current has exceeded a safe operating limit")},
    {1, 10, "DCInjectCurH",     QT_TRANSLATE_NOOP("ErrorTables", "Over DC current injected into the AC grid is detected")},
    {1, 11, "Imax_AC",          QT_TRANSLATE_NOOP("ErrorTables", "Over current on the AC side")},
    {1, 12, "InVTempMax",       QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature of the inverter exceeded the safe operating limit")},
    {1, 13, "VpvH",             QT_TRANSLATE_NOOP("ErrorTables", "The DC  voltage of PV array is over the upper limit")},
    {1, 14, "VpvL",             QT_TRANSLATE_NOOP("ErrorTables", "The DC  voltage of PV array is under the lower limit")},
    {1, 15, "RISO",             QT_TRANSLATE_NOOP("ErrorTables", "The insulation resistance between PV array and the ground is below the safe operating limit")},

    {2,  0, "VdcbusH",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is over the upper limit")},
    {2,  1, "VdcbusL",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is under the lower limit")},
    {2,  2, "InvTempMin",       QT_TRANSLATE_NOOP("ErrorTables", "Inverter temperature too low")},
    {2,  3, "Relay1",           QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(L)")},
    {2,  4, "Relay2",           QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(N)")},
    {2,  5, "Relay3",           QT_TRANSLATE_NOOP("ErrorTables", "Network Relay test failed(L)")},
    {2,  6, "Relay4",           QT_TRANSLATE_NOOP("ErrorTables", "Network Relay test failed(N)")},
    {2,  7, "SPI",              QT_TRANSLATE_NOOP("ErrorTables", "Internal communication failed")},
    {2,  8, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2,  9, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 10, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 11, "FaultDisp",        QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {2, 12, "DCStopErr",        QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {2, 13, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 14, "COMM",             QT_TRANSLATE_NOOP("ErrorTables", "External communication failed")},
    {2, 15, "EEPROM",           QT_TRANSLATE_NOOP("ErrorTables", "EEPROM failed")},

    {3,  0, "LN Miswired",      QT_TRANSLATE_NOOP("ErrorTables", "L-N miswired")},
    {3,  1, "Idc Test",         QT_TRANSLATE_NOOP("ErrorTables", "The injection DC current exceeded the standard value")},
    {3,  2, "RCMA_TEST",        QT_TRANSLATE_NOOP("ErrorTables", "The leakage current measurement selftest failed")},
    {3,  3, "RCMA",             QT_TRANSLATE_NOOP("ErrorTables", "The leakage current measurement function failed")},
    {3,  4, "IR_TEST",          QT_TRANSLATE_NOOP("ErrorTables", "The insulation resistance measurement selftest failed")},
    {3,  5, "Offset",           QT_TRANSLATE_NOOP("ErrorTables", "Offset check for grid monitoring failed")},
    {3,  6, "Temp Sensor",      QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature sensor failed")},
    {3,  7, "AT_ERR",           QT_TRANSLATE_NOOP("ErrorTables", "Autotest fail")},
    {3,  8, "DeltaCPU",         QT_TRANSLATE_NOOP("ErrorTables", "Delta CPU error, Fac, Vac, Idc, Zac, If, Riso")},
    {3,  9, "NoGrid",           QT_TRANSLATE_NOOP("ErrorTables", "Debug(GridNA in wait mode)")},
    {3, 10, "GridOutRange",     QT_TRANSLATE_NOOP("ErrorTables", "Debug(Grid out of range in wait mode)")},
    {3, 11, "PF_HW_ERR",        QT_TRANSLATE_NOOP("ErrorTables", "No output current")},
    {3, 12, "SunSet",           QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {3, 13, "IpvAH",            QT_TRANSLATE_NOOP("ErrorTables", "Over current of input current IpvA")},
    {3, 14, "IpvBH",            QT_TRANSLATE_NOOP("ErrorTables", "Over current of input current IpvB")},
    {3, 15, "IpvCH",            QT_TRANSLATE_NOOP("ErrorTables", "Over current of input current IpvC")},

    {4,  0, "Zac",              QT_TRANSLATE_NOOP("ErrorTables", "AC grid impedance out of range, continuously")},
    {4,  1, "DeltaZ",           QT_TRANSLATE_NOOP("ErrorTables", "The rate of change of aC grid impedance out of range, continuously")},
    {4,  2, "FastEarthCurrent", QT_TRANSLATE_NOOP("ErrorTables", "The drastic change of leakage current has been detected, continuously")},
    {4,  3, "SlowEarthCurrent", QT_TRANSLATE_NOOP("ErrorTables", "The leakage current has exceeded a safe operationg limit, continuously")},
    {4,  4, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {4,  5, "Imax_AC",          QT_TRANSLATE_NOOP("ErrorTables", "AC over current, continuously")},
    {4,  6, "Relay",            QT_TRANSLATE_NOOP("ErrorTables", "Relay test failed, continuously")},
    {4,  7, "RAM_TEST",         QT_TRANSLATE_NOOP("ErrorTables", "Memory self test failed")},
    {4,  8, "CaliData Error",   QT_TRANSLATE_NOOP("ErrorTables", "Calibrate value is out of range")},
    {4,  9, "EEPROM Test",      QT_TRANSLATE_NOOP("ErrorTables", "Self test error(EEPROM data loss)")},
    {4, 10, "Version_Error",    QT_TRANSLATE_NOOP("ErrorTables", "The firmware version error")},
    {4, 11, "DeltaCPU",         QT_TRANSLATE_NOOP("ErrorTables", "Internal measurement comparison error or defective hardware")},
    {4, 12, "Watchdog",         QT_TRANSLATE_NOOP("ErrorTables", "Internal watchdog function triggered")},
    {4, 13, "System Error",     QT_TRANSLATE_NOOP("ErrorTables", "The system failed")},
    {4, 14, "SPI Test",         QT_TRANSLATE_NOOP("ErrorTables", "SPI test failed")},
    {4, 15, "CaliData Loss",    QT_TRANSLATE_NOOP("ErrorTables", "Calibration data is lost")},
};

const ErrorRow kErrorRowsUSA0[] = {
    {1,  0, "GridNA",           QT_TRANSLATE_NOOP("ErrorTables", "No  AC voltage is detected on the grid side")},
    {1,  1, "VacH",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of mains utility is over the upper limit")},
    {1,  2, "VacL",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of mains utility is under the lower limit")},
    {1,  3, "FacH",             QT_TRANSLATE_NOOP("ErrorTables", "The frequency of AC voltage of the utility is over the upper limit")},
    {1,  4, "FacL",             QT_TRANSLATE_NOOP("ErrorTables", "The frequency of AC voltage of the utility is under the lower limit")},
    {1,  5, "Zac",              QT_TRANSLATE_NOOP("ErrorTables", "The AC impedance of the grid is out of range")},
    {1,  6, "DeltaZ",           QT_TRANSLATE_NOOP("ErrorTables", "The rate of change of the AC grid impedance is higher than setting value")},
    {1,  7, "Drift Fac",        QT_TRANSLATE_NOOP("ErrorTables", "Islanding is detected")},
    {1,  8, "Autotest",         QT_TRANSLATE_NOOP("ErrorTables", "Auto test failed")},
    {1,  9, "InvTempMin",       QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature of the inverter is under the lower limit")},
    {1, 10, "DCInjectCurH",     QT_TRANSLATE_NOOP("ErrorTables", "Over DC current injected into the AC grid is detected")},
    {1, 11, "Imax_AC",          QT_TRANSLATE_NOOP("ErrorTables", "Over current on the AC side")},
    {1, 12, "InVTempMax",       QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature of the inverter exceeded the safe operating limit")},
    {1, 13, "VpvH",             QT_TRANSLATE_NOOP("ErrorTables", "The DC voltage of PV array is over the upper limit")},
    {1, 14, "VpvL",             QT_TRANSLATE_NOOP("ErrorTables", "The DC voltage of PV array is under the lower limit")},
    {1, 15, "DCDCErr",          QT_TRANSLATE_NOOP("ErrorTables", "DC/DC HW Failure")},

    {2,  0, "VdcBusH",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is over the upper limit")},
    {2,  1, "VdcBusL",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is under the lower limit")},
    {2,  2, "GFDI",             QT_TRANSLATE_NOOP("ErrorTables", "GFDI fault")},
    {2,  3, "BRelayL_OPEN",     QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(L)")},
    {2,  4, "BRelayN_OPEN",     QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(N)")},
    {2,  5, "BRelayL_CLOSE",    QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(L)")},
    {2,  6, "BRelayN_CLOSE",    QT_TRANSLATE_NOOP("ErrorTables", "Bridge Relay test failed(N)")},
    {2,  7, "SPI",              QT_TRANSLATE_NOOP("ErrorTables", "Internal communication failed")},
    {2,  8, "IbuckH",           QT_TRANSLATE_NOOP("ErrorTables", "Ibuck over current")},
    {2,  9, "MOV_AC",           QT_TRANSLATE_NOOP("ErrorTables", "MOV AC side fault")},
    {2, 10, "MOV_DC",           QT_TRANSLATE_NOOP("ErrorTables", "MOV DC side fault")},
    {2, 11, "FaultDisp",        QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {2, 12, "DCStopErr",        QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {2, 13, "FAN_BLOCK",        QT_TRANSLATE_NOOP("ErrorTables", "FAN blocking")},
    {2, 14, "COMM",             QT_TRANSLATE_NOOP("ErrorTables", "External communication failed")},
    {2, 15, "EEPROM",           QT_TRANSLATE_NOOP("ErrorTables", "EEPROM failed")},

    {3,  0, "VacL1NH",          QT_TRANSLATE_NOOP("ErrorTables", "Vrms of L1-N out of maximum value")},
    {3,  1, "Idc Test",         QT_TRANSLATE_NOOP("ErrorTables", "The injection DC current exceeded the standard value")},
    {3,  2, "VacL1NL",          QT_TRANSLATE_NOOP("ErrorTables", "Vrms of L1-N out of minimum value")},
    {3,  3, "VacL2NH",          QT_TRANSLATE_NOOP("ErrorTables", "Vrms of L2-N out of maximum value")},
    {3,  4, "DriverFault",      QT_TRANSLATE_NOOP("ErrorTables", "Driver fault")},
    {3,  5, "Offset",           QT_TRANSLATE_NOOP("ErrorTables", "Offset check for grid monitoring failed")},
    {3,  6, "Temp Sensor",      QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature sensor failed")},
    {3,  7, "VacL2NL",          QT_TRANSLATE_NOOP("ErrorTables", "Vrms of L2-N out of minimum value")},
    {3,  8, "DeltaCPU",         QT_TRANSLATE_NOOP("ErrorTables", "Delta CPU error Fac, Vac, Idc, Zac, If, Riso")},
    {3,  9, "NoGrid",           QT_TRANSLATE_NOOP("ErrorTables", "Debug(GridNA in wait mode)")},
    {3, 10, "GridOutRange",     QT_TRANSLATE_NOOP("ErrorTables", "Debug(Grid out of range in wait mode)")},
    {3, 11, "PF_HW_ERR",        QT_TRANSLATE_NOOP("ErrorTables", "No output current")},
    {3, 12, "SunSet",           QT_TRANSLATE_NOOP("ErrorTables", "Debug")},
    {3, 13, "IpvAH",            QT_TRANSLATE_NOOP("ErrorTables", "Over current of input current IpvA")},
    {3, 14, "IbuckLimit",       QT_TRANSLATE_NOOP("ErrorTables", "Input limit by Ibuck(average or peak")},
    {3, 15, "BUCK_NOTWORK",     QT_TRANSLATE_NOOP("ErrorTables", "Buck not work, Vdcbus not enough")},

    {4,  0, "Zac",              QT_TRANSLATE_NOOP("ErrorTables", "AC grid impedance out of range, continuously")},
    {4,  1, "DeltaZ",           QT_TRANSLATE_NOOP("ErrorTables", "The rate of change of the AC grid impedance out of range, continuously")},
    {4,  2, "DriverFault",      QT_TRANSLATE_NOOP("ErrorTables", "Driver fault, continuously")},
    {4,  3, "IbuckH",           QT_TRANSLATE_NOOP("ErrorTables", "Ibuck over current")},
    {4,  4, "DCDCErr",          QT_TRANSLATE_NOOP("ErrorTables", "DC/DC H/W Failure, continuously")},
    {4,  5, "Imax_AC",          QT_TRANSLATE_NOOP("ErrorTables", "AC over current, continuously")},
    {4,  6, "Relay",            QT_TRANSLATE_NOOP("ErrorTables", "Relay test failed, continuously")},
    {4,  7, "RAM_TEST",         QT_TRANSLATE_NOOP("ErrorTables", "Memory self test failed")},
    {4,  8, "CaliData Error",   QT_TRANSLATE_NOOP("ErrorTables", "Calibrate value is out of range")},
    {4,  9, "EEPROM TEST",      QT_TRANSLATE_NOOP("ErrorTables", "Self test error(EEPROM data loss)")},
    {4, 10, "Version Error",    QT_TRANSLATE_NOOP("ErrorTables", "The firmware version error")},
    {4, 11, "DeltaCPU",         QT_TRANSLATE_NOOP("ErrorTables", "Internal measurement comparison error or defective hardware")},
    {4, 12, "WatchDog",         QT_TRANSLATE_NOOP("ErrorTables", "Internal watchdog function triggered")},
    {4, 13, "System Error",     QT_TRANSLATE_NOOP("ErrorTables", "The system failed")},
    {4, 14, "SPI Test",         QT_TRANSLATE_NOOP("ErrorTables", "SPI test failed")},
    {4, 15, "CaliData Loss",    QT_TRANSLATE_NOOP("ErrorTables", "Calibration data is lost")},
};

const ErrorRow kErrorRowsUSA1[] = {
    {1,  0, "GridNA",           QT_TRANSLATE_NOOP("ErrorTables", "No AC voltage is detected on the grid side")},
    {1,  1, "VacH",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of utility grid is over the upper limit.")},
    {1,  2, "VacL",             QT_TRANSLATE_NOOP("ErrorTables", "The AC voltage of utility grid is under the lower limit.")},
    {1,  3, "FacH",             QT_TRANSLATE_NOOP("ErrorTables", "The frequency of AC voltage of the utility is over the upper limit.")},
    {1,  4, "FacL",             QT_TRANSLATE_NOOP("ErrorTables", "The frequency of AC voltage of the utility is under the lower limit.")},
    {1,  5, "Phase Loss",       QT_TRANSLATE_NOOP("ErrorTables", "One/Two phase disconnection.")},
    {1,  6, "L2, L3 Swap",      QT_TRANSLATE_NOOP("ErrorTables", "L2, L3 reversed phase sequence.")},
    {1,  7, "Drift Fac",        QT_TRANSLATE_NOOP("ErrorTables", "Islanding is detected.")},
    {1,  8, "FastEarthCurrent", QT_TRANSLATE_NOOP("ErrorTables", "The drastic change of the leakage current has been detected.")},
    {1,  9, "SlowEarthCurrent", QT_TRANSLATE_NOOP("ErrorTables", "The leakage current has exceeded a safe operating limit.")},
    {1, 10, "DCInjectCurH",     QT_TRANSLATE_NOOP("ErrorTables", "Over DC current injected into the AC grid is detected.")},
    {1, 11, "Imax_AC",          QT_TRANSLATE_NOOP("ErrorTables", "Over current on the grid side.")},
    {1, 12, "IacH",             QT_TRANSLATE_NOOP("ErrorTables", "The AC current is over the upper limit.")},
    {1, 13, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {1, 14, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {1, 15, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},

    {2,  0, "Riso Low",         QT_TRANSLATE_NOOP("ErrorTables", "The insulation resistance between PV array and the ground is below the safe operating limit.")},
    {2,  1, "VpvH",             QT_TRANSLATE_NOOP("ErrorTables", "The DC voltage of PV array is over the upper limit.")},
    {2,  2, "IpvH",             QT_TRANSLATE_NOOP("ErrorTables", "Over current on the DC side.")},
    {2,  3, "PpvH",             QT_TRANSLATE_NOOP("ErrorTables", "Over power on the DC side.")},
    {2,  4, "VdcbusH",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is over the upper limit.")},
    {2,  5, "VdcbusL",          QT_TRANSLATE_NOOP("ErrorTables", "Internal DC bus voltage is below the lower limit.")},
    {2,  6, "Temp. High",       QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature of the inverter exceeded the safe operating limit.")},
    {2,  7, "CPUs diff.High",   QT_TRANSLATE_NOOP("ErrorTables", "Internal measurement comparison error or defective hardware.")},
    {2,  8, "System Error",     QT_TRANSLATE_NOOP("ErrorTables", "The system is failed.")},
    {2,  9, "Auto test error",  QT_TRANSLATE_NOOP("ErrorTables", "Auto test is failed")},
    {2, 10, "Temp. Low",        QT_TRANSLATE_NOOP("ErrorTables", "The internal temperature of the inverter below the safe operating limit.")},
    {2, 11, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 12, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 13, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 14, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {2, 15, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},

    {3,  0, "Relay Open",       QT_TRANSLATE_NOOP("ErrorTables", "The output relay is open.")},
    {3,  1, "Relay Short",      QT_TRANSLATE_NOOP("ErrorTables", "The output relay is short.")},
    {3,  2, "RCMU Fault",       QT_TRANSLATE_NOOP("ErrorTables", "The leakage current measurement device is failure.")},
    {3,  3, "I/P HCT Fault",    QT_TRANSLATE_NOOP("ErrorTables", "Input current sensor is failure.")},
    {3,  4, "O/P HCT Fault",    QT_TRANSLATE_NOOP("ErrorTables", "Output current sensor is failure.")},
    {3,  5, "Idc-inj. Fault",   QT_TRANSLATE_NOOP("ErrorTables", "The DC injection current monitoring function failure.")},
    {3,  6, "SPI Error",        QT_TRANSLATE_NOOP("ErrorTables", "Internal communication is failed.")},
    {3,  7, "EEPROM Fault",     QT_TRANSLATE_NOOP("ErrorTables", "EEPROM test failed. *waring message")},
    {3,  8, "FanLock_A",        QT_TRANSLATE_NOOP("ErrorTables", "The fan is lock.  *waring message")},
    {3,  9, "FanLock_B",        QT_TRANSLATE_NOOP("ErrorTables", "The fan is lock.  *waring message")},
    {3, 10, "Comm. Error",      QT_TRANSLATE_NOOP("ErrorTables", "External communication failed  *waring message")},
    {3, 11, "Offset Fault",     QT_TRANSLATE_NOOP("ErrorTables", "Internal reference voltage failed, +1.5VA,+1.5VB.")},
    {3, 12, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {3, 13, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {3, 14, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {3, 15, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},

    {4,  0, "Offset Fault",     QT_TRANSLATE_NOOP("ErrorTables", "Internal reference voltage failed, +1.5VA,+1.5VB")},
    {4,  1, "Vdcbus Fault",     QT_TRANSLATE_NOOP("ErrorTables", "The DC/DC converter is failure.")},
    {4,  2, "RCMU Fault",       QT_TRANSLATE_NOOP("ErrorTables", "The leakage current measurement device is failure.")},
    {4,  3, "HCT Fail",         QT_TRANSLATE_NOOP("ErrorTables", "Hall sensor failed")},
    {4,  4, "Idc-inj. Fault",   QT_TRANSLATE_NOOP("ErrorTables", "The DC injection current monitoring function failure.")},
    {4,  5, "Relay Fault",      QT_TRANSLATE_NOOP("ErrorTables", "Relay test failed, continuously")},
    {4,  6, "EEPROM Fault",     QT_TRANSLATE_NOOP("ErrorTables", "EEPROM test failed")},
    {4,  7, "Version Error",    QT_TRANSLATE_NOOP("ErrorTables", "The firmware version is not correct")},
    {4,  8, "CPUs diff.High",   QT_TRANSLATE_NOOP("ErrorTables", "Internal measurement comparison error or defective hardware, continuously")},
    {4,  9, "Model Error",      QT_TRANSLATE_NOOP("ErrorTables", "The mismatch of hardware MODEL setting and CPU setting.")},
    {4, 10, "SPI Error",        QT_TRANSLATE_NOOP("ErrorTables", "Internal communication test failed")},
    {4, 11, "CalDataLoss",      QT_TRANSLATE_NOOP("ErrorTables", "Calibration data is lost")},
    {4, 12, "System Error",     QT_TRANSLATE_NOOP("ErrorTables", "The system is failed.")},
    {4, 13, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {4, 14, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
    {4, 15, "N/A",              QT_TRANSLATE_NOOP("ErrorTables", "N/A")},
};
// clang-format on

// Owns the bits of one family and indexes them by word and bit.
class ErrorTableStore
{
public:
    template<size_t N>
    explicit ErrorTableStore(const ErrorRow (&rows)[N])
    {
        for (const ErrorRow &row : rows) {
            m_bits.emplace_back(row.bit, QString::fromLatin1(row.name), QString::fromLatin1(row.description));
            m_set[row.word].insert(row.bit, &m_bits.back());
        }
    }

    const ErrorTableSet &set() const { return m_set; }

private:
    std::deque<ErrorBitInfo> m_bits; // stable addresses while growing at the back
    ErrorTableSet m_set;
};

} // namespace

const ErrorTableSet &ErrorTableEUR()
{
    static const ErrorTableStore store(kErrorRowsEUR);
    return store.set();
}

const ErrorTableSet &ErrorTableUSA0()
{
    static const ErrorTableStore store(kErrorRowsUSA0);
    return store.set();
}

const ErrorTableSet &ErrorTableUSA1()
{
    static const ErrorTableStore store(kErrorRowsUSA1);
    return store.set();
}

const ErrorTableSet &errorTable(DeviceFamily family)
{
    switch (family) {
    case DeviceFamily::USA0:
        return ErrorTableUSA0();
    case DeviceFamily::USA1:
        return ErrorTableUSA1();
    case DeviceFamily::EUR:
        break;
    }
    return ErrorTableEUR();
}

const ErrorBitInfo *errorBitInfo(int versionw3, int word, int bit)
{
    const ErrorTableSet &table = errorTable(familyOf(versionw3));
    const auto bits = table.constFind(word);
    if (bits == table.constEnd())
        return nullptr;
    return bits->value(bit, nullptr);
}

QVector<DecodedError> decodeErrors(int versionw3, int err1, int err2, int err3, int err4)
{
    const ErrorTableSet &table = errorTable(familyOf(versionw3));
    const int words[] = {err1, err2, err3, err4};
    QVector<DecodedError> decoded;
    for (int word = 1; word <= 4; ++word) {
        const QMap<int, const ErrorBitInfo *> bits = table.value(word);
        for (int bit = 0; bit < 16; ++bit) {
            const ErrorBitInfo *info = bits.value(bit, nullptr);
            if ((words[word - 1] >> bit & 1) && info)
                decoded.append({word, info});
        }
    }
    return decoded;
}

QString translatedDescription(const ErrorBitInfo &info)
{
    return QCoreApplication::translate("ErrorTables", info.description.toLatin1().constData());
}
