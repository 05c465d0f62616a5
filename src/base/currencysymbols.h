#pragma once

#include <QStringList>

// The currency symbols shown with the dashboard's earning, by the co2symbol
// setting: "$", euro, fullwidth yen, "NT", won.
const QStringList &currencySymbols();
