#include "ui/dialogs/qsensorsettings.h"

#include "ui_qsensorsettings.h"

QSensorSettings::QSensorSettings(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QSensorSettingsClass)
{
    m_ui->setupUi(this);
}

QSensorSettings::~QSensorSettings() = default;
