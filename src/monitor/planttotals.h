#pragma once

#include <QMetaType>

// The plant-wide figures of one pass of the totals thread, sent by value.
struct PlantTotals
{
    double totalPower = 0; // sum of total_power of the online inverters, kWh
    double efficiency = 0; // sum of ac_power / sum of dc_power x 100, or 0
    double dcPower = 0;    // W
    double acPower = 0;    // W
    double outputTime = 0; // sum of output_time read as numbers
};
Q_DECLARE_METATYPE(PlantTotals)
