#pragma once

#include <QString>
#include <QVector>

#include <optional>

class DeviceRecord;

// The values the key-parameter columns can show: monitoring registers, the
// pseudo-codes -1 to -9 for voltage, current and power of the three phases
// (Vac_L1, Iac_L1, Pac_L1, Vac_L2, ... Pac_L3), which only three-phase inverters
// have, and the link quality of the inverter's line.
namespace KeyParameterCodes {

// The share of exchanges answered correctly on the first try, in per cent.
constexpr int kLinkQuality = -10;

// The 24 choices in the order of the selectors.
const QVector<int> &keyParamCodes();
// A choice's text: the register's name in the EUR table, the phase value's name, or "Link quality".
QString choiceText(int code);
// The register name in the EUR table, or "Link quality"; nothing for the phase values.
std::optional<QString> headerText(int code);

struct Value
{
    double value = 0;
    QString unit;
};
// What a device shows for a code; nothing (an empty cell) when its family has
// no such value, or for the link quality before its first exchange.
std::optional<Value> valueOf(const DeviceRecord &device, int code);

} // namespace KeyParameterCodes
