#include "ui/dialogs/qalarmconfig.h"

#include "ui_qalarmconfig.h"

QalarmConfig::QalarmConfig(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QalarmConfigClass)
{
    m_ui->setupUi(this);
}

QalarmConfig::~QalarmConfig() = default;
