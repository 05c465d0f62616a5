#include "support/testmain.h"
#include "tst_lineport.h"
#include "tst_searchdialogs.h"
#include "tst_sensordialog.h"

#include <QApplication>

LUMORA_TEST_MAIN(QApplication, TestLinePort, TestSensorDialog, TestSearchDialogs)
