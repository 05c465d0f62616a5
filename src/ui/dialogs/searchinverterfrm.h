#pragma once

#include "ui_searchinverterfrm.h"

#include <QDialog>

// Searches the line for inverters, by request or on the automatic-search timer.
class SearchInverterFrm : public QDialog, private Ui::SearchInverterFrmClass
{
    Q_OBJECT

public:
    explicit SearchInverterFrm(QWidget *parent = nullptr);
};
