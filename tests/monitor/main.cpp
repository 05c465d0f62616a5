#include "support/testmain.h"
#include "tst_logger.h"
#include "tst_pollingcontrol.h"
#include "tst_pollingfaults.h"
#include "tst_pollingrecords.h"
#include "tst_session.h"
#include "tst_totals.h"

LUMORA_TEST_MAIN(QCoreApplication, TestTotals, TestPollingRecords, TestPollingControl, TestPollingFaults, TestLogger,
                 TestSession)
