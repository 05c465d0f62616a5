#include "device/devicerecord.h"

#include "device/errortables.h"
#include "device/paramtables.h"
#include "link/ccommand.h"

#include <algorithm>
#include <cstring>

namespace {
// The maker's own models, searched in this order.
const char *const kListedModelNames[] = {"LMR-7K6-US", "LMR-10K-US", "LMR-15K-3P", "LMR-20K-3P"};

QString decimalOfAtLeastFourDigits(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}
} // namespace

void DeviceRecord::resetLiveValues()
{
    ac_power = 0;
    dc_power = 0;
    total_power = 0;
    efficiency = 0;
    state_code = 0;
    err1 = err2 = err3 = err4 = 0;
}

void DeviceRecord::keepErrorWords()
{
    last_err1 = err1;
    last_err2 = err2;
    last_err3 = err3;
    last_err4 = err4;
}

void DeviceRecord::clearLastErrors()
{
    last_err1 = last_err2 = last_err3 = last_err4 = 0;
}

void DeviceRecord::forgetInverterMemory()
{
    clearLastErrors();
    alarmedErrors.clear();
    cacheB.clear();
}

void DeviceRecord::setMonitorBlock(const quint8 *bytes)
{
    std::memcpy(monitor_data.data(), bytes, monitor_data.size());
}

void DeviceRecord::setInfoBlock(const quint8 *bytes, int n)
{
    info_block.fill(0);
    std::memcpy(info_block.data(), bytes, size_t(std::clamp(n, 0, kInfoBlockSize)));
}

void DeviceRecord::setSnNumber(const quint8 *reply)
{
    sn_number = decimalOfAtLeastFourDigits(CCommand::word_at(reply, 4)) +
                decimalOfAtLeastFourDigits(CCommand::word_at(reply, 6));
}

quint16 DeviceRecord::word(int registerNo) const
{
    if (registerNo == kLastMonitorRegister + 1)
        return CCommand::word_at(info_block.data(), 0);
    return CCommand::monitor_word(monitor_data.data(), registerNo);
}

QString DeviceRecord::currentVersionText() const
{
    return QString::asprintf("%.2f", current_ver * 0.01);
}

QString DeviceRecord::sequenceVersionText() const
{
    return QString::asprintf("%.2f", sequence_ver * 0.01);
}

QString DeviceRecord::monitorTooltip() const
{
    auto general = [](double value) { return QString::number(value, 'g', 6); };
    return QStringLiteral("<br>---------Monitoring value---------<br>Pac: %1 W<br>Vac: %2 V<br>Iac: %3 A<br>Ppv: %4 W"
                          "<br>Vpv: %5 V<br>Ipv: %6 A<br>Fac: %7 Hz<br>")
        .arg(QString::number(ac_power), general(vac), general(iac), QString::number(dc_power), general(vpv),
             general(ipv), general(fac));
}

bool DeviceRecord::hasListedModelName() const
{
    return std::any_of(std::begin(kListedModelNames), std::end(kListedModelNames),
                       [this](const char *model) { return type_name.contains(QLatin1String(model)); });
}

QStringList DeviceRecord::listedModelNames()
{
    QStringList names;
    for (const char *model : kListedModelNames)
        names.append(QLatin1String(model));
    return names;
}

const ErrorBitInfo *DeviceRecord::errorBitInfo(int word, int bit) const
{
    return ::errorBitInfo(versionw3, word, bit);
}

void DeviceRecord::attachParamSet()
{
    if (paramSet.isEmpty())
        paramSet = paramSetFor(versionw3, type_no);
}
