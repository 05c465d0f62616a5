#include "ui/dialogs/qmainviewconfig.h"

#include "ui_qmainviewconfig.h"

QMainViewConfig::QMainViewConfig(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QMainViewConfigClass)
{
    m_ui->setupUi(this);
}

QMainViewConfig::~QMainViewConfig() = default;
