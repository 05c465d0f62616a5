#include "ui/dialogs/qmainviewconfig.h"

QMainViewConfig::QMainViewConfig(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
