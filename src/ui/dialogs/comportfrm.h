#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class COMPortFrmClass;
}

// The serial port and baud rate of the inverter line.
class COMPortFrm : public QDialog
{
    Q_OBJECT

public:
    explicit COMPortFrm(QWidget *parent = nullptr);
    ~COMPortFrm() override;

private:
    std::unique_ptr<Ui::COMPortFrmClass> m_ui;
};
