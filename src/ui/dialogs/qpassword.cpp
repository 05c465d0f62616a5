#include "ui/dialogs/qpassword.h"

#include "ui_qpassword.h"

QPassword::QPassword(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QPasswordClass)
{
    m_ui->setupUi(this);
}

QPassword::~QPassword() = default;
