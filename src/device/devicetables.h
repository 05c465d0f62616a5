#pragma once

// Builds every built-in table of the device model at once: parameter,
// monitoring-register, error and state tables, in that order. Start-up calls
// it before any thread starts; afterwards the tables are only read, without
// locks.
void buildDeviceTables();
