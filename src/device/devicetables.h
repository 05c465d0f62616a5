#pragma once

// Builds every built-in table of the device model (error, state, parameter and
// monitoring-register tables) at once. Start-up calls it before any thread starts; afterwards the
// tables are only read, without locks.
void buildDeviceTables();
