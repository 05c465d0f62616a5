#include "ui/dialogs/qconfigwizard.h"

#include "ui_qconfigwizard.h"

QConfigWizard::QConfigWizard(QWidget *parent)
    : QWizard(parent)
    , m_ui(new Ui::QConfigWizardClass)
{
    m_ui->setupUi(this);
}

QConfigWizard::~QConfigWizard() = default;
