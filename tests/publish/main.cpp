#include "support/testmain.h"
#include "tst_mqttpayloads.h"
#include "tst_mqttproblems.h"

LUMORA_TEST_MAIN(QCoreApplication, TestMqttPayloads, TestMqttProblems)
