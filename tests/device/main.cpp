#include "support/testmain.h"
#include "tst_devicemap.h"
#include "tst_devicereader.h"
#include "tst_devicerecord.h"
#include "tst_errortables.h"
#include "tst_paramtables.h"

LUMORA_TEST_MAIN(QCoreApplication, TestErrorTables, TestParamTables, TestDeviceRecord, TestDeviceMap, TestDeviceReader)
