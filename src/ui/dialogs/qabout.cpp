#include "ui/dialogs/qabout.h"

QAbout::QAbout(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
}
