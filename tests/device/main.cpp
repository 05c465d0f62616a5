#include "support/testmain.h"
#include "tst_errortables.h"
#include "tst_paramtables.h"

LUMORA_TEST_MAIN(QCoreApplication, TestErrorTables, TestParamTables)
