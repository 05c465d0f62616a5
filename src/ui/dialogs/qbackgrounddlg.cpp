#include "ui/dialogs/qbackgrounddlg.h"

QBackgroundDlg::QBackgroundDlg(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
