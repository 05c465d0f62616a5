#pragma once

#include <QMap>
#include <QString>

// One parameter item of an inverter's EEPROM settings, in display units.
// Built once with the parameter tables and never changed.
class EEPromSet
{
public:
    EEPromSet(int typeNo, int itemIndex, const QString &itemName, double defaultShown, double lowest, double highest,
              const QString &itemUnit)
        : type_no(typeNo)
        , index(itemIndex)
        , name(itemName)
        , defaultValue(defaultShown)
        , minimum(lowest)
        , maximum(highest)
        , unit(itemUnit)
    {}

    const int type_no;
    const int index; // register number, key in its set, row order on the parameter page
    const QString name;
    const double defaultValue;
    const double minimum;
    const double maximum;
    const QString unit;
};

// The items of one family and type_no, by index. The items are shared, never copied.
using ParamItemSet = QMap<int, const EEPromSet *>;
