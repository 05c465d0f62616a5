#pragma once

#include "ui_comportfrm.h"

#include <QDialog>

// The serial port and baud rate of the inverter line.
class COMPortFrm : public QDialog, private Ui::COMPortFrmClass
{
    Q_OBJECT

public:
    explicit COMPortFrm(QWidget *parent = nullptr);
};
