#pragma once

#include "device/devicefamily.h"
#include "device/eepromset.h"
#include "device/errorwords.h"
#include "link/ccommand.h"
#include "link/linkstats.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtGlobal>

#include <array>

class ErrorBitInfo;

// Error word number (1 to 4) to the alarmed bits last reported by alarm mail.
using AlarmedErrors = QMap<int, QList<int>>;

// Everything known about one inverter: identity, live values decoded from its
// last monitoring answer, the raw blocks and the polling bookkeeping. A plain
// value: copying it gives a snapshot that later writes do not touch.
class DeviceRecord
{
public:
    // Registers 181 to 269, high byte first, as the frame protocol reads them.
    static constexpr int kMonitorBlockSize = CCommand::kMonitorBlockSize;
    static constexpr int kFirstMonitorRegister = 181;
    static constexpr int kLastMonitorRegister = 269;
    // Registers 1 to 17 of the device-information read, rest zero.
    static constexpr int kInfoBlockSize = 100;
    using MonitorBlock = std::array<quint8, kMonitorBlockSize>;
    using InfoBlock = std::array<quint8, kInfoBlockSize>;
    // model_name_ee of the EUR model with three PV strings.
    static constexpr int kThreeStringModel = 460;
    // Failed monitoring reads in a row that make an inverter offline.
    static constexpr int kOfflineFailCount = 3;
    // The state code of "Fault mode".
    static constexpr quint16 kFaultModeState = 60;

    DeviceFamily family() const { return familyOf(versionw3); }
    bool isUSA1Family() const { return ::isUSA1Family(versionw3); }
    bool isEURFamily() const { return ::isEURFamily(versionw3); }
    bool isThreeString() const { return model_name_ee == kThreeStringModel; }
    bool isOffline() const { return fail_count >= kOfflineFailCount; }
    bool hasError() const { return !errorWords().isClear(); }
    bool hasFault() const { return hasError() || state_code == kFaultModeState; }

    ErrorWords errorWords() const { return {{err1, err2, err3, err4}}; }
    ErrorWords lastErrorWords() const { return {{last_err1, last_err2, last_err3, last_err4}}; }
    // The error words become the last ones.
    void keepErrorWords();

    // After a failed read: powers, energy, efficiency, state and errors to 0;
    // voltages, currents, frequency and times keep their last values.
    void resetLiveValues();
    void clearLastErrors();
    // What the program remembers of this inverter between cycles: its last error
    // words, its alarmed bits and cacheB (an inverter gone offline, or another one
    // now at the address). The next error then counts as beginning.
    void forgetInverterMemory();

    void setMonitorBlock(const quint8 *bytes);
    const MonitorBlock &monitorBlock() const { return monitor_data; }
    // Zero-fills the block, then copies the first n bytes (at most 100).
    void setInfoBlock(const quint8 *bytes, int n);
    const InfoBlock &infoBlock() const { return info_block; }
    // "%04d%04d" of the first two data words of a serial-number read reply.
    void setSnNumber(const quint8 *reply);

    // The word of a register 181 to 269 from the monitoring block; register 270
    // is the first word of the information block, which follows the monitoring
    // block on the line. 0 for any other register.
    quint16 word(int registerNo) const;

    QString currentVersionText() const;
    QString sequenceVersionText() const;
    // The live values as the HTML lines of the device tool tip and the alarm mail.
    QString monitorTooltip() const;
    // type_name names one of the maker's own models.
    bool hasListedModelName() const;
    // The maker's own models, in the order they are searched.
    static QStringList listedModelNames();
    // Looks up the parameter item set of the family and type_no when paramSet is empty.
    void attachParamSet();
    // The error bit of the device's family, or nullptr outside words 1 to 4 and bits 0 to 15.
    const ErrorBitInfo *errorBitInfo(int word, int bit) const;

    int inverter_id = -1;
    QString brand_name;
    QString type_name;
    QString sn_name;
    QString sn_number;
    int versionw3 = 0;
    int model_name_ee = 0;
    int type_no = 0;
    int current_ver = 0;
    int sequence_ver = 0;
    quint8 addr = 0;
    int ac_power = 0;
    int dc_power = 0;
    double total_power = 0;
    double vpv = 0;
    double vac = 0;
    double iac = 0;
    double fac = 0;
    double ipv = 0;
    QString output_time;
    QString time_on_today;
    quint16 state_code = 0;
    quint16 err1 = 0;
    quint16 err2 = 0;
    quint16 err3 = 0;
    quint16 err4 = 0;
    quint16 last_err1 = 0;
    quint16 last_err2 = 0;
    quint16 last_err3 = 0;
    quint16 last_err4 = 0;
    double efficiency = 0;
    int fail_count = 0;
    int nominal_fac = 0;
    AlarmedErrors alarmedErrors;
    QMap<int, QVariant> cacheB;
    QString last_record_hour;
    MonitorBlock monitor_data{};
    InfoBlock info_block{};
    ParamItemSet paramSet;
    // How the exchanges with this address have gone since the program started
    // (the polling thread's line health, copied at the end of every pass).
    LinkStats link;
};
