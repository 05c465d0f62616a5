#include "device/statetables.h"

#include "device/devicefamily.h"

#include <QCoreApplication>

namespace {

struct StateRow
{
    int code;
    const char *name;
};

// The names in English; the window shows them translated.
// clang-format off
const StateRow kClassicRows[ClassicStateNames::kCount] = {
    {10, QT_TRANSLATE_NOOP("StateTables", "LCD Initialize mode")},
    {11, QT_TRANSLATE_NOOP("StateTables", "Utility frequency detect mode")},
    {20, QT_TRANSLATE_NOOP("StateTables", "Renew mode")},
    {30, QT_TRANSLATE_NOOP("StateTables", "Wait mode")},
    {40, QT_TRANSLATE_NOOP("StateTables", "Monitoring mode")},
    {50, QT_TRANSLATE_NOOP("StateTables", "Output mode")},
    {60, QT_TRANSLATE_NOOP("StateTables", "Fault mode")},
    {61, QT_TRANSLATE_NOOP("StateTables", "IDLE mode")},
    {70, QT_TRANSLATE_NOOP("StateTables", "Default mode")},
    {80, QT_TRANSLATE_NOOP("StateTables", "Stop mode")},
    {90, QT_TRANSLATE_NOOP("StateTables", "Calibrate mode")},
};

const StateRow kExtendedRows[] = {
    {10, QT_TRANSLATE_NOOP("StateTables", "Program Initialize mode")},
    {11, QT_TRANSLATE_NOOP("StateTables", "LCD Initialize mode")},
    {30, QT_TRANSLATE_NOOP("StateTables", "Check Riso")},
    {31, QT_TRANSLATE_NOOP("StateTables", "Low Illumination mode")},
    {32, QT_TRANSLATE_NOOP("StateTables", "Auto Test mode")},
    {40, QT_TRANSLATE_NOOP("StateTables", "Checking")},
    {41, QT_TRANSLATE_NOOP("StateTables", "Count Down mode")},
    {42, QT_TRANSLATE_NOOP("StateTables", "Check Relay mode")},
    {50, QT_TRANSLATE_NOOP("StateTables", "Grid/MPP mode")},
    {60, QT_TRANSLATE_NOOP("StateTables", "Fault mode")},
    {61, QT_TRANSLATE_NOOP("StateTables", "Idle mode")},
    {70, QT_TRANSLATE_NOOP("StateTables", "Default mode")},
    {80, QT_TRANSLATE_NOOP("StateTables", "Stop mode")},
    {81, QT_TRANSLATE_NOOP("StateTables", "Upgrade Flash mode")},
    {90, QT_TRANSLATE_NOOP("StateTables", "Calibrate mode")},
    {91, QT_TRANSLATE_NOOP("StateTables", "Setting Parameter mode")},
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

QString translatedStateName(const QString &name)
{
    return QCoreApplication::translate("StateTables", name.toLatin1().constData());
}
