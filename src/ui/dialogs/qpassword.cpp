#include "ui/dialogs/qpassword.h"

#include "base/prompter.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/dialogs/qdiagnostics.h"
#include "ui_qpassword.h"

#include <QShowEvent>

namespace {
const char *const kMasterPassword = "53170482";
}

QPassword::QPassword(Prompter &prompter, QDiagnostics *diagnostics, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QPasswordClass)
    , m_prompter(prompter)
    , m_diagnostics(diagnostics)
{
    m_ui->setupUi(this);
    if (m_diagnostics)
        m_diagnostics->setParent(this, m_diagnostics->windowFlags());
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QPassword::vali);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QWidget::hide);
}

QPassword::~QPassword() = default;

void QPassword::vali()
{
    if (m_ui->lePwd->text() != QLatin1String(kMasterPassword)) {
        m_prompter.message(Prompter::Level::Warning, tr("Error"), tr("Password is wrong"));
        return;
    }
    if (!m_diagnostics) {
        accept();
        return;
    }
    hide();
    m_diagnostics->show();
}

void QPassword::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOverParent(this);
        m_ui->lePwd->clear();
        m_ui->lePwd->setFocus();
    }
    QDialog::showEvent(event);
}
