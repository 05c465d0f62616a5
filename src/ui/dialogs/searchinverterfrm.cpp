#include "ui/dialogs/searchinverterfrm.h"

SearchInverterFrm::SearchInverterFrm(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
