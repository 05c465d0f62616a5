#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QSensorSettingsClass;
}

// Defines the Modbus sensors on the inverter line.
class QSensorSettings : public QDialog
{
    Q_OBJECT

public:
    explicit QSensorSettings(QWidget *parent = nullptr);
    ~QSensorSettings() override;

private:
    std::unique_ptr<Ui::QSensorSettingsClass> m_ui;
};
