#include "support/testmain.h"
#include "tst_invertertree.h"
#include "tst_parameterwrite.h"
#include "tst_realtimepage.h"

#include <QApplication>

LUMORA_TEST_MAIN(QApplication, TestInverterTree, TestRealTimePage, TestKeyParameters, TestParameterWrite)
