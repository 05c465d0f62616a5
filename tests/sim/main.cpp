#include "support/testmain.h"
#include "tst_linesimulator.h"
#include "tst_scenario.h"

LUMORA_TEST_MAIN(QCoreApplication, TestScenario, TestLineSimulator)
