#include "ui/dialogs/qfontsettings.h"

#include "ui_qfontsettings.h"

QFontSettings::QFontSettings(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QFontSettingsClass)
{
    m_ui->setupUi(this);
}

QFontSettings::~QFontSettings() = default;
