#include "ui/dialogs/qabout.h"

#include "ui_qabout.h"

QAbout::QAbout(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QAboutClass)
{
    m_ui->setupUi(this);
}

QAbout::~QAbout() = default;
