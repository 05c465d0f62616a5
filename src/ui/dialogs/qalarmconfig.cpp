#include "ui/dialogs/qalarmconfig.h"

QalarmConfig::QalarmConfig(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
