#include "ui/dialogs/qfontsettings.h"

QFontSettings::QFontSettings(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
