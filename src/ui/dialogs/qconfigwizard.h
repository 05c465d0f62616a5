#pragma once

#include <QWizard>
#include <memory>

namespace Ui {
class QConfigWizardClass;
}

// Leads a first-time user through the port settings and the inverter search.
class QConfigWizard : public QWizard
{
    Q_OBJECT

public:
    explicit QConfigWizard(QWidget *parent = nullptr);
    ~QConfigWizard() override;

private:
    std::unique_ptr<Ui::QConfigWizardClass> m_ui;
};
