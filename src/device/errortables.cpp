#include "device/errortables.h"

#include <deque>

namespace {

struct ErrorRow
{
    int word;
    int bit;
    const char *name;
    const char *description;
};

// clang-format off
const ErrorRow kErrorRowsEUR[] = {
    {1,  0, "GridNA",           "No AC voltage is detected on the grid side"},
    {1,  1, "VacH",             "The AC voltage of mains utility is over the upper limit"},
    {1,  2, "VacL",             "The AC voltage of mains utility is under the lower limit"},
    {1,  3, "FacH",             "The frequency of AC voltage of the utility is over the upper limit"},
    {1,  4, "FacL",             "The frequence of AC voltage of the utility is under the lower limit"},
    {1,  5, "Zac",              "The AC impedance of the grid is out of range"},
    {1,  6, "DeltaZ",           "The rate of change of the AC grid impedance is higher than setting value"},
    {1,  7, "Drift Fac",        "Islanding is detected"},
    {1,  8, "FastEarthCurr",    "The drastic change of the leakage current has been detected"},
    {1,  9, "SlowEarthCurr",    "The leakage current has exceeded a safe operating limit"},
    {1, 10, "DCInjectCurH",     "Over DC current injected into the AC grid is detected"},
    {1, 11, "Imax_AC",          "Over current on the AC side"},
    {1, 12, "InVTempMax",       "The internal temperature of the inverter exceeded the safe operating limit"},
    {1, 13, "VpvH",             "The DC  voltage of PV array is over the upper limit"},
    {1, 14, "VpvL",             "The DC  voltage of PV array is under the lower limit"},
    {1, 15, "RISO",             "The insulation resistance between PV array and the ground is below the safe operating limit"},

    {2,  0, "VdcbusH",          "Internal DC bus voltage is over the upper limit"},
    {2,  1, "VdcbusL",          "Internal DC bus voltage is under the lower limit"},
    {2,  2, "InvTempMin",       "Inverter temperature too low"},
    {2,  3, "Relay1",           "Bridge Relay test failed(L)"},
    {2,  4, "Relay2",           "Bridge Relay test failed(N)"},
    {2,  5, "Relay3",           "Network Relay test failed(L)"},
    {2,  6, "Relay4",           "Network Relay test failed(N)"},
    {2,  7, "SPI",              "Internal communication failed"},
    {2,  8, "N/A",              "N/A"},
    {2,  9, "N/A",              "N/A"},
    {2, 10, "N/A",              "N/A"},
    {2, 11, "FaultDisp",        "Debug"},
    {2, 12, "DCStopErr",        "Debug"},
    {2, 13, "N/A",              "N/A"},
    {2, 14, "COMM",             "External communication failed"},
    {2, 15, "EEPROM",           "EEPROM failed"},

    {3,  0, "LN Miswired",      "L-N miswired"},
    {3,  1, "Idc Test",         "The injection DC current exceeded the standard value"},
    {3,  2, "RCMA_TEST",        "The leakage current measurement selftest failed"},
    {3,  3, "RCMA",             "The leakage current measurement function failed"},
    {3,  4, "IR_TEST",          "The insulation resistance measurement selftest failed"},
    {3,  5, "Offset",           "Offset check for grid monitoring failed"},
    {3,  6, "Temp Sensor",      "The internal temperature sensor failed"},
    {3,  7, "AT_ERR",           "Autotest fail"},
    {3,  8, "DeltaCPU",         "Delta CPU error, Fac, Vac, Idc, Zac, If, Riso"},
    {3,  9, "NoGrid",           "Debug(GridNA in wait mode)"},
    {3, 10, "GridOutRange",     "Debug(Grid out of range in wait mode)"},
    {3, 11, "PF_HW_ERR",        "No output current"},
    {3, 12, "SunSet",           "Debug"},
    {3, 13, "IpvAH",            "Over current of input current IpvA"},
    {3, 14, "IpvBH",            "Over current of input current IpvB"},
    {3, 15, "IpvCH",            "Over current of input current IpvC"},

    {4,  0, "Zac",              "AC grid impedance out of range, continuously"},
    {4,  1, "DeltaZ",           "The rate of change of aC grid impedance out of range, continuously"},
    {4,  2, "FastEarthCurrent", "The drastic change of leakage current has been detected, continuously"},
    {4,  3, "SlowEarthCurrent", "The leakage current has exceeded a safe operationg limit, continuously"},
    {4,  4, "N/A",              "N/A"},
    {4,  5, "Imax_AC",          "AC over current, continuously"},
    {4,  6, "Relay",            "Relay test failed, continuously"},
    {4,  7, "RAM_TEST",         "Memory self test failed"},
    {4,  8, "CaliData Error",   "Calibrate value is out of range"},
    {4,  9, "EEPROM Test",      "Self test error(EEPROM data loss)"},
    {4, 10, "Version_Error",    "The firmware version error"},
    {4, 11, "DeltaCPU",         "Internal measurement comparison error or defective hardware"},
    {4, 12, "Watchdog",         "Internal watchdog function triggered"},
    {4, 13, "System Error",     "The system failed"},
    {4, 14, "SPI Test",         "SPI test failed"},
    {4, 15, "CaliData Loss",    "Calibration data is lost"},
};

const ErrorRow kErrorRowsUSA0[] = {
    {1,  0, "GridNA",           "No  AC voltage is detected on the grid side"},
    {1,  1, "VacH",             "The AC voltage of mains utility is over the upper limit"},
    {1,  2, "VacL",             "The AC voltage of mains utility is under the lower limit"},
    {1,  3, "FacH",             "The frequency of AC voltage of the utility is over the upper limit"},
    {1,  4, "FacL",             "The frequency of AC voltage of the utility is under the lower limit"},
    {1,  5, "Zac",              "The AC impedance of the grid is out of range"},
    {1,  6, "DeltaZ",           "The rate of change of the AC grid impedance is higher than setting value"},
    {1,  7, "Drift Fac",        "Islanding is detected"},
    {1,  8, "Autotest",         "Auto test failed"},
    {1,  9, "InvTempMin",       "The internal temperature of the inverter is under the lower limit"},
    {1, 10, "DCInjectCurH",     "Over DC current injected into the AC grid is detected"},
    {1, 11, "Imax_AC",          "Over current on the AC side"},
    {1, 12, "InVTempMax",       "The internal temperature of the inverter exceeded the safe operating limit"},
    {1, 13, "VpvH",             "The DC voltage of PV array is over the upper limit"},
    {1, 14, "VpvL",             "The DC voltage of PV array is under the lower limit"},
    {1, 15, "DCDCErr",          "DC/DC HW Failure"},

    {2,  0, "VdcBusH",          "Internal DC bus voltage is over the upper limit"},
    {2,  1, "VdcBusL",          "Internal DC bus voltage is under the lower limit"},
    {2,  2, "GFDI",             "GFDI fault"},
    {2,  3, "BRelayL_OPEN",     "Bridge Relay test failed(L)"},
    {2,  4, "BRelayN_OPEN",     "Bridge Relay test failed(N)"},
    {2,  5, "BRelayL_CLOSE",    "Bridge Relay test failed(L)"},
    {2,  6, "BRelayN_CLOSE",    "Bridge Relay test failed(N)"},
    {2,  7, "SPI",              "Internal communication failed"},
    {2,  8, "IbuckH",           "Ibuck over current"},
    {2,  9, "MOV_AC",           "MOV AC side fault"},
    {2, 10, "MOV_DC",           "MOV DC side fault"},
    {2, 11, "FaultDisp",        "Debug"},
    {2, 12, "DCStopErr",        "Debug"},
    {2, 13, "FAN_BLOCK",        "FAN blocking"},
    {2, 14, "COMM",             "External communication failed"},
    {2, 15, "EEPROM",           "EEPROM failed"},

    {3,  0, "VacL1NH",          "Vrms of L1-N out of maximum value"},
    {3,  1, "Idc Test",         "The injection DC current exceeded the standard value"},
    {3,  2, "VacL1NL",          "Vrms of L1-N out of minimum value"},
    {3,  3, "VacL2NH",          "Vrms of L2-N out of maximum value"},
    {3,  4, "DriverFault",      "Driver fault"},
    {3,  5, "Offset",           "Offset check for grid monitoring failed"},
    {3,  6, "Temp Sensor",      "The internal temperature sensor failed"},
    {3,  7, "VacL2NL",          "Vrms of L2-N out of minimum value"},
    {3,  8, "DeltaCPU",         "Delta CPU error Fac, Vac, Idc, Zac, If, Riso"},
    {3,  9, "NoGrid",           "Debug(GridNA in wait mode)"},
    {3, 10, "GridOutRange",     "Debug(Grid out of range in wait mode)"},
    {3, 11, "PF_HW_ERR",        "No output current"},
    {3, 12, "SunSet",           "Debug"},
    {3, 13, "IpvAH",            "Over current of input current IpvA"},
    {3, 14, "IbuckLimit",       "Input limit by Ibuck(average or peak"},
    {3, 15, "BUCK_NOTWORK",     "Buck not work, Vdcbus not enough"},

    {4,  0, "Zac",              "AC grid impedance out of range, continuously"},
    {4,  1, "DeltaZ",           "The rate of change of the AC grid impedance out of range, continuously"},
    {4,  2, "DriverFault",      "Driver fault, continuously"},
    {4,  3, "IbuckH",           "Ibuck over current"},
    {4,  4, "DCDCErr",          "DC/DC H/W Failure, continuously"},
    {4,  5, "Imax_AC",          "AC over current, continuously"},
    {4,  6, "Relay",            "Relay test failed, continuously"},
    {4,  7, "RAM_TEST",         "Memory self test failed"},
    {4,  8, "CaliData Error",   "Calibrate value is out of range"},
    {4,  9, "EEPROM TEST",      "Self test error(EEPROM data loss)"},
    {4, 10, "Version Error",    "The firmware version error"},
    {4, 11, "DeltaCPU",         "Internal measurement comparison error or defective hardware"},
    {4, 12, "WatchDog",         "Internal watchdog function triggered"},
    {4, 13, "System Error",     "The system failed"},
    {4, 14, "SPI Test",         "SPI test failed"},
    {4, 15, "CaliData Loss",    "Calibration data is lost"},
};

const ErrorRow kErrorRowsUSA1[] = {
    {1,  0, "GridNA",           "No AC voltage is detected on the grid side"},
    {1,  1, "VacH",             "The AC voltage of utility grid is over the upper limit."},
    {1,  2, "VacL",             "The AC voltage of utility grid is under the lower limit."},
    {1,  3, "FacH",             "The frequency of AC voltage of the utility is over the upper limit."},
    {1,  4, "FacL",             "The frequency of AC voltage of the utility is under the lower limit."},
    {1,  5, "Phase Loss",       "One/Two phase disconnection."},
    {1,  6, "L2, L3 Swap",      "L2, L3 reversed phase sequence."},
    {1,  7, "Drift Fac",        "Islanding is detected."},
    {1,  8, "FastEarthCurrent", "The drastic change of the leakage current has been detected."},
    {1,  9, "SlowEarthCurrent", "The leakage current has exceeded a safe operating limit."},
    {1, 10, "DCInjectCurH",     "Over DC current injected into the AC grid is detected."},
    {1, 11, "Imax_AC",          "Over current on the grid side."},
    {1, 12, "IacH",             "The AC current is over the upper limit."},
    {1, 13, "N/A",              "N/A"},
    {1, 14, "N/A",              "N/A"},
    {1, 15, "N/A",              "N/A"},

    {2,  0, "Riso Low",         "The insulation resistance between PV array and the ground is below the safe operating limit."},
    {2,  1, "VpvH",             "The DC voltage of PV array is over the upper limit."},
    {2,  2, "IpvH",             "Over current on the DC side."},
    {2,  3, "PpvH",             "Over power on the DC side."},
    {2,  4, "VdcbusH",          "Internal DC bus voltage is over the upper limit."},
    {2,  5, "VdcbusL",          "Internal DC bus voltage is below the lower limit."},
    {2,  6, "Temp. High",       "The internal temperature of the inverter exceeded the safe operating limit."},
    {2,  7, "CPUs diff.High",   "Internal measurement comparison error or defective hardware."},
    {2,  8, "System Error",     "The system is failed."},
    {2,  9, "Auto test error",  "Auto test is failed"},
    {2, 10, "Temp. Low",        "The internal temperature of the inverter below the safe operating limit."},
    {2, 11, "N/A",              "N/A"},
    {2, 12, "N/A",              "N/A"},
    {2, 13, "N/A",              "N/A"},
    {2, 14, "N/A",              "N/A"},
    {2, 15, "N/A",              "N/A"},

    {3,  0, "Relay Open",       "The output relay is open."},
    {3,  1, "Relay Short",      "The output relay is short."},
    {3,  2, "RCMU Fault",       "The leakage current measurement device is failure."},
    {3,  3, "I/P HCT Fault",    "Input current sensor is failure."},
    {3,  4, "O/P HCT Fault",    "Output current sensor is failure."},
    {3,  5, "Idc-inj. Fault",   "The DC injection current monitoring function failure."},
    {3,  6, "SPI Error",        "Internal communication is failed."},
    {3,  7, "EEPROM Fault",     "EEPROM test failed. *waring message"},
    {3,  8, "FanLock_A",        "The fan is lock.  *waring message"},
    {3,  9, "FanLock_B",        "The fan is lock.  *waring message"},
    {3, 10, "Comm. Error",      "External communication failed  *waring message"},
    {3, 11, "Offset Fault",     "Internal reference voltage failed, +1.5VA,+1.5VB."},
    {3, 12, "N/A",              "N/A"},
    {3, 13, "N/A",              "N/A"},
    {3, 14, "N/A",              "N/A"},
    {3, 15, "N/A",              "N/A"},

    {4,  0, "Offset Fault",     "Internal reference voltage failed, +1.5VA,+1.5VB"},
    {4,  1, "Vdcbus Fault",     "The DC/DC converter is failure."},
    {4,  2, "RCMU Fault",       "The leakage current measurement device is failure."},
    {4,  3, "HCT Fail",         "Hall sensor failed"},
    {4,  4, "Idc-inj. Fault",   "The DC injection current monitoring function failure."},
    {4,  5, "Relay Fault",      "Relay test failed, continuously"},
    {4,  6, "EEPROM Fault",     "EEPROM test failed"},
    {4,  7, "Version Error",    "The firmware version is not correct"},
    {4,  8, "CPUs diff.High",   "Internal measurement comparison error or defective hardware, continuously"},
    {4,  9, "Model Error",      "The mismatch of hardware MODEL setting and CPU setting."},
    {4, 10, "SPI Error",        "Internal communication test failed"},
    {4, 11, "CalDataLoss",      "Calibration data is lost"},
    {4, 12, "System Error",     "The system is failed."},
    {4, 13, "N/A",              "N/A"},
    {4, 14, "N/A",              "N/A"},
    {4, 15, "N/A",              "N/A"},
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
