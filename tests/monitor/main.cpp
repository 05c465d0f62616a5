#include "support/testmain.h"
#include "tst_totals.h"

LUMORA_TEST_MAIN(QCoreApplication, TestTotals)
