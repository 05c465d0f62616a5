#pragma once

#include <QString>

// An inverter's family, decided by its versionw3 value alone. It selects the
// register tables, the identity register map, the parameter tables and the
// error and state tables.
enum class DeviceFamily { EUR, USA0, USA1 };

DeviceFamily familyOf(int versionw3);
bool isUSA1Family(int versionw3); // 303 or 400
bool isEURFamily(int versionw3);  // none of 3, 203, 303, 400

// "EUR", "USA0", "USA1": the alarm-region labels and settings-key prefixes.
QString familyLabel(DeviceFamily family);
// 0, 1, 2 in the order above.
int familyIndex(DeviceFamily family);
