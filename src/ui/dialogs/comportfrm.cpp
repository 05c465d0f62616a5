#include "ui/dialogs/comportfrm.h"

COMPortFrm::COMPortFrm(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
