#include "ui/dialogs/qpassword.h"

QPassword::QPassword(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
