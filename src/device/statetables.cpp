#include "device/statetables.h"

#include "device/devicefamily.h"

namespace {

struct StateRow
{
    int code;
    const char *name;
};

// clang-format off
const StateRow kClassicRows[ClassicStateNames::kCount] = {
    {10, "LCD Initialize mode"},
    {11, "Utility frequency detect mode"},
    {20, "Renew mode"},
    {30, "Wait mode"},
    {40, "Monitoring mode"},
    {50, "Output mode"},
    {60, "Fault mode"},
    {61, "IDLE mode"},
    {70, "Default mode"},
    {80, "Stop mode"},
    {90, "Calibrate mode"},
};

const StateRow kExtendedRows[] = {
    {10, "Program Initialize mode"},
    {11, "LCD Initialize mode"},
    {30, "Check Riso"},
    {31, "Low Illumination mode"},
    {32, "Auto Test mode"},
    {40, "Checking"},
    {41, "Count Down mode"},
    {42, "Check Relay mode"},
    {50, "Grid/MPP mode"},
    {60, "Fault mode"},
    {61, "Idle mode"},
    {70, "Default mode"},
    {80, "Stop mode"},
    {81, "Upgrade Flash mode"},
    {90, "Calibrate mode"},
    {91, "Setting Parameter mode"},
};
// clang-format on

ClassicStateNames buildClassic()
{
    ClassicStateNames table;
    for (int i = 0; i < ClassicStateNames::kCount; ++i) {
        table.codes[i] = kClassicRows[i].code;
        table.names[i] = QString::fromLatin1(kClassicRows[i].name);
    }
    return table;
}

QMap<int, QString> buildExtended()
{
    QMap<int, QString> table;
    for (const StateRow &row : kExtendedRows)
        table.insert(row.code, QString::fromLatin1(row.name));
    return table;
}

} // namespace

const ClassicStateNames &StateNamesClassic()
{
    static const ClassicStateNames table = buildClassic();
    return table;
}

const QMap<int, QString> &StateNamesExtended()
{
    static const QMap<int, QString> table = buildExtended();
    return table;
}

QString stateName(int versionw3, int code)
{
    if (isUSA1Family(versionw3))
        return StateNamesExtended().value(code);
    const ClassicStateNames &classic = StateNamesClassic();
    for (int i = 0; i < ClassicStateNames::kCount; ++i) {
        if (classic.codes[i] == code)
            return classic.names[i];
    }
    return QString();
}
