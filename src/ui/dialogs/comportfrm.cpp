#include "ui/dialogs/comportfrm.h"

#include "ui_comportfrm.h"

COMPortFrm::COMPortFrm(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::COMPortFrmClass)
{
    m_ui->setupUi(this);
}

COMPortFrm::~COMPortFrm() = default;
