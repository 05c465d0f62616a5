#pragma once

#include <QString>

class DeviceRecord;

// The measured value that tripped an error bit, from the device's monitoring
// block, with its unit ("253.00 V"); empty when the bit has none (always for
// USA1 and for word 4).
QString tripValueText(int word, int bit, const DeviceRecord &device);
