#pragma once

#include "link/sensorlist.h"

#include <QList>

// The Modbus sensors the user configured: one definition per row of
// "select * from sensor_setting", in result order.
QList<SensorDefinition> readSensorSettings();
