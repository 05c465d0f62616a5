#pragma once

#include "ui_qconfigwizard.h"

#include <QWizard>

// Leads a first-time user through the port settings and the inverter search.
class QConfigWizard : public QWizard, private Ui::QConfigWizardClass
{
    Q_OBJECT

public:
    explicit QConfigWizard(QWidget *parent = nullptr);
};
