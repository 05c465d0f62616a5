#pragma once

#include "ui_qsensorsettings.h"

#include <QDialog>

// Defines the Modbus sensors on the inverter line.
class QSensorSettings : public QDialog, private Ui::QSensorSettingsClass
{
    Q_OBJECT

public:
    explicit QSensorSettings(QWidget *parent = nullptr);
};
