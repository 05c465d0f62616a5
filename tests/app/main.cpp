#include "support/testmain.h"
#include "tst_appdir.h"
#include "tst_log.h"
#include "tst_portlist.h"
#include "tst_startup.h"

LUMORA_TEST_MAIN(QCoreApplication, TestLog, TestStartup, TestPortList, TestAppDir)
