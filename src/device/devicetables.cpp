#include "device/devicetables.h"

#include "device/errortables.h"
#include "device/monitortables.h"
#include "device/paramtables.h"
#include "device/statetables.h"

void buildDeviceTables()
{
    ParamTablesEUR();
    ParamTablesUSA0();
    ParamTablesUSA1();
    MonitorRegistersEUR();
    MonitorRegistersUSA1();
    ErrorTableEUR();
    ErrorTableUSA0();
    ErrorTableUSA1();
    StateNamesClassic();
    StateNamesExtended();
}
