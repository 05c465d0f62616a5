#pragma once

#include "ui_qpassword.h"

#include <QDialog>

// Asks for the service password.
class QPassword : public QDialog, private Ui::QPasswordClass
{
    Q_OBJECT

public:
    explicit QPassword(QWidget *parent = nullptr);
};
