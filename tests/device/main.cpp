#include "support/testmain.h"
#include "tst_devicemap.h"
#include "tst_devicerecord.h"

LUMORA_TEST_MAIN(QCoreApplication, TestDeviceRecord, TestDeviceMap)
