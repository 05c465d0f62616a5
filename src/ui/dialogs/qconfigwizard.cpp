#include "ui/dialogs/qconfigwizard.h"

QConfigWizard::QConfigWizard(QWidget *parent)
    : QWizard(parent)
{
    setupUi(this);
}
