#pragma once

#include "device/monitordata.h"

#include <QMap>

class DeviceRecord;

// Register number to its description, ascending. Built on first use (start-up
// builds both before any thread starts), never changed afterwards.
using MonitorTable = QMap<int, MonitorData>;

// Families EUR and USA0: registers 181 to 274, 88 entries.
const MonitorTable &MonitorRegistersEUR();
// Family USA1: registers 181 to 216.
const MonitorTable &MonitorRegistersUSA1();

// The table of a device's family.
const MonitorTable &monitorTable(const DeviceRecord &device);
// The entry of a register, or nullptr when the table has none.
const MonitorData *monitorEntry(const MonitorTable &table, int registerNo);

// The entry's name in the user's language, for the window: the sensor slots' names are words, the
// others register names, the same in every language.
QString translatedName(const MonitorData &entry);
