#pragma once

#include <QString>

class DeviceRecord;

// A record's identity and its decoded live values as lines of text, for golden files.
QString identityText(const DeviceRecord &record);
QString valuesText(const DeviceRecord &record);
