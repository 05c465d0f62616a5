#include "support/testmain.h"
#include "tst_command.h"
#include "tst_linehealth.h"
#include "tst_sensors.h"
#include "tst_serial.h"

LUMORA_TEST_MAIN(QCoreApplication, TestSerial, TestCommand, TestSensors, TestLineHealth)
