#pragma once

#include "link/sensorlist.h"

#include <QList>

// The Modbus sensors the user configured: one definition per row of
// "select * from sensor_setting", in result order, each with its row id.
QList<SensorDefinition> readSensorSettings();

// Stores a definition as a new row (one register at its starting register);
// header and unit keep every character. False when the statement failed.
bool addSensorSetting(const SensorDefinition &sensor);
// Deletes the row of that id. False when the statement failed.
bool deleteSensorSetting(int id);
