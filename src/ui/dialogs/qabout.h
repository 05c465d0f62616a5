#pragma once

#include "ui_qabout.h"

#include <QDialog>

// The program's name, version and supported inverter models.
class QAbout : public QDialog, private Ui::QAboutClass
{
    Q_OBJECT

public:
    explicit QAbout(QWidget *parent = nullptr);
};
