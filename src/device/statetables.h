#pragma once

#include <QMap>
#include <QString>

#include <array>

// The state names of the EUR and USA0 families: two parallel arrays, searched
// from the first code to the last.
struct ClassicStateNames
{
    static constexpr int kCount = 11;
    std::array<int, kCount> codes;
    std::array<QString, kCount> names;
};

// Built on first use and read-only afterwards.
const ClassicStateNames &StateNamesClassic();
const QMap<int, QString> &StateNamesExtended(); // USA1 family

// The name of a state code in the device's family, or an empty string when the code has none.
QString stateName(int versionw3, int code);
// A state name of these tables in the user's language, for the window.
QString translatedStateName(const QString &name);
