#include "support/testmain.h"
#include "tst_lineport.h"

#include <QApplication>

LUMORA_TEST_MAIN(QApplication, TestLinePort)
