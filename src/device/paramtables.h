#pragma once

#include "device/devicefamily.h"
#include "device/eepromset.h"

#include <QMap>

#include <optional>

// One family's parameter items: type_no -> item set.
using ParamFamilyTable = QMap<int, ParamItemSet>;

// The three families' tables, built on first use and read-only afterwards.
const ParamFamilyTable &ParamTablesEUR();
const ParamFamilyTable &ParamTablesUSA0();
const ParamFamilyTable &ParamTablesUSA1();

const ParamFamilyTable &paramTables(DeviceFamily family);

// The item set of the device's family and type_no; empty when the family has no such type_no.
ParamItemSet paramSetFor(int versionw3, int type_no);
// The item of that index, or nullptr.
const EEPromSet *paramItem(const ParamItemSet &set, int index);
// Row on the parameter page -> item index: rows 0 to 16 give 1 to 17, row 17 gives 21,
// row 18 gives 22; any other row gives -1.
int paramRowToIndex(int row);

// A register word w of item index is shown as w x scale; indices without a scale of their own use 1.
double paramScale(DeviceFamily family, int index);
// The inverse of the scale: 100, 10, 1000, or 1.
int paramWriteFactor(DeviceFamily family, int index);

// The value shown for a register word. USA1 keeps index 1 and 3 as distances from the
// nominal frequency (nominalFac, 50 or 60): index 1 shows nominalFac + v, index 3 nominalFac - v.
double paramShownValue(DeviceFamily family, int index, quint16 word, int nominalFac);
// The register word to write for an entered value, rounded to the nearest integer;
// nothing when the result does not fit a 16-bit register (below 0 or above 65535).
std::optional<quint16> paramWordFor(DeviceFamily family, int index, double value, int nominalFac);
// Whether an entered value lies inside the item's range, both ends included.
bool paramValueValid(const EEPromSet &item, double value);

// The item's name in the user's language, for the window.
QString translatedName(const EEPromSet &item);
