#pragma once

#include "ui_qmainviewconfig.h"

#include <QDialog>

// The dashboard's fields, their order, the recording interval and the plant factors.
class QMainViewConfig : public QDialog, private Ui::QMainViewConfigClass
{
    Q_OBJECT

public:
    explicit QMainViewConfig(QWidget *parent = nullptr);
};
