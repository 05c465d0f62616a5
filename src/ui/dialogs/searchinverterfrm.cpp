#include "ui/dialogs/searchinverterfrm.h"

#include "ui_searchinverterfrm.h"

SearchInverterFrm::SearchInverterFrm(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SearchInverterFrmClass)
{
    m_ui->setupUi(this);
}

SearchInverterFrm::~SearchInverterFrm() = default;
