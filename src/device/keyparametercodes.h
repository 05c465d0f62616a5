#pragma once

#include <QString>
#include <QVector>

#include <optional>

class DeviceRecord;

// The values the key-parameter columns can show: monitoring registers, and the
// pseudo-codes -1 to -9 for voltage, current and power of the three phases
// (Vac_L1, Iac_L1, Pac_L1, Vac_L2, ... Pac_L3), which only three-phase inverters have.
namespace KeyParameterCodes {

// The 23 choices in the order of the selectors.
const QVector<int> &keyParamCodes();
// A choice's text: the register's name in the EUR table, or the phase value's name.
QString choiceText(int code);
// The register name in the EUR table; nothing for the pseudo-codes.
std::optional<QString> headerText(int code);

struct Value
{
    double value = 0;
    QString unit;
};
// What a device shows for a code; nothing (an empty cell) when its family has no such value.
std::optional<Value> valueOf(const DeviceRecord &device, int code);

} // namespace KeyParameterCodes
