#include "ui/dialogs/qbackgrounddlg.h"

#include "ui_qbackgrounddlg.h"

QBackgroundDlg::QBackgroundDlg(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QBackgroundDlgClass)
{
    m_ui->setupUi(this);
}

QBackgroundDlg::~QBackgroundDlg() = default;
