#include "support/testmain.h"
#include "tst_alarms.h"
#include "tst_mailsettings.h"
#include "tst_mailtester.h"
#include "tst_mailthread.h"

LUMORA_TEST_MAIN(QCoreApplication, TestMailThread, TestMailSettings, TestAlarms, TestMailTester)
