#include "device/keyparametercodes.h"

#include "device/devicerecord.h"
#include "device/monitortables.h"

#include <QCoreApplication>
#include <QMap>

#include <cmath>

namespace KeyParameterCodes {

namespace {

const char *const kPhaseNames[] = {"Vac_L1", "Iac_L1", "Pac_L1", "Vac_L2", "Iac_L2",
                                   "Pac_L2", "Vac_L3", "Iac_L3", "Pac_L3"};

QString linkQualityText()
{
    return QCoreApplication::translate("KeyParameterCodes", "Link quality");
}

std::optional<Value> registerValue(const DeviceRecord &device, const MonitorTable &table, int registerNo)
{
    const MonitorData *entry = monitorEntry(table, registerNo);
    if (!entry)
        return std::nullopt;
    return Value{device.word(registerNo) * entry->scale, entry->unit};
}

// Three-phase inverters keep their values at other registers; some have no counterpart.
std::optional<Value> usa1Value(const DeviceRecord &device, int code)
{
    switch (code) {
    case 193:
        return Value{double(device.ac_power), QStringLiteral("W")};
    case 192:
        return Value{device.vac, QStringLiteral("V")};
    case 194:
        return Value{device.iac, QStringLiteral("A")};
    case 195:
        return Value{device.fac, QStringLiteral("Hz")};
    case 247:
        return Value{double(device.dc_power), QStringLiteral("W")};
    case 188:
    case 191:
    case 227:
        return Value{0.0, QString()};
    default:
        break;
    }
    static const QMap<int, int> moved = {{186, 186}, {187, 187}, {189, 190}, {190, 191}, {225, 188}, {226, 189}};
    const int registerNo = code < 0 ? 191 - code : moved.value(code, 0);
    return registerValue(device, MonitorRegistersUSA1(), registerNo);
}

} // namespace

const QVector<int> &keyParamCodes()
{
    static const QVector<int> codes = {193, 247, 195, 186, 187, 188, 189, 190, 191, 192, 194, 225,
                                       226, 227, -1,  -2,  -3,  -4,  -5,  -6,  -7,  -8,  -9,  kLinkQuality};
    return codes;
}

std::optional<QString> headerText(int code)
{
    if (code == kLinkQuality)
        return linkQualityText();
    const MonitorData *entry = monitorEntry(MonitorRegistersEUR(), code);
    return entry ? std::optional<QString>(entry->name) : std::nullopt;
}

QString choiceText(int code)
{
    if (code >= -9 && code <= -1)
        return QLatin1String(kPhaseNames[-code - 1]);
    if (code == kLinkQuality)
        return linkQualityText();
    return headerText(code).value_or(QString());
}

std::optional<Value> valueOf(const DeviceRecord &device, int code)
{
    if (code == kLinkQuality) {
        const double quality = device.link.linkQuality();
        if (quality < 0)
            return std::nullopt;
        return Value{std::round(quality * 10.0) / 10.0, QStringLiteral("%")}; // one decimal
    }
    if (device.isUSA1Family())
        return usa1Value(device, code);
    std::optional<Value> value = registerValue(device, MonitorRegistersEUR(), code);
    // Single-string inverters have no strings B and C.
    if (value && device.family() == DeviceFamily::USA0 && (code == 187 || code == 188 || code == 190 || code == 191))
        value->value = 0;
    return value;
}

} // namespace KeyParameterCodes
