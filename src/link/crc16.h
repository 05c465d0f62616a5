#pragma once

#include <QtGlobal>

// CRC-16/MODBUS: initial value 0xFFFF, reflected polynomial 0xA001, no final XOR.
// Sent low byte first on the line.
quint16 crc16_modbus(const quint8 *bytes, int length);
