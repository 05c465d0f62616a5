#pragma once

#include "ui_qbackgrounddlg.h"

#include <QDialog>

// Chooses the dashboard's background picture.
class QBackgroundDlg : public QDialog, private Ui::QBackgroundDlgClass
{
    Q_OBJECT

public:
    explicit QBackgroundDlg(QWidget *parent = nullptr);
};
