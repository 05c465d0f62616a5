#include "ui/dialogs/qsensorsettings.h"

QSensorSettings::QSensorSettings(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
