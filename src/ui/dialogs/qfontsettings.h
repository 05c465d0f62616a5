#pragma once

#include "ui_qfontsettings.h"

#include <QDialog>

// Fonts and text colours of the dashboard's title, fields and message.
class QFontSettings : public QDialog, private Ui::QFontSettingsClass
{
    Q_OBJECT

public:
    explicit QFontSettings(QWidget *parent = nullptr);
};
