#pragma once

#include "ui_qalarmconfig.h"

#include <QDialog>

// The alarm-mail settings: mail server, account, recipients and the errors that raise an alarm.
class QalarmConfig : public QDialog, private Ui::QalarmConfigClass
{
    Q_OBJECT

public:
    explicit QalarmConfig(QWidget *parent = nullptr);
};
