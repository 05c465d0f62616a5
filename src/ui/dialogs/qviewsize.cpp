#include "ui/dialogs/qviewsize.h"

#include "ui/views/dashboardfields.h"
#include "ui_qviewsize.h"

#include <QSignalBlocker>

QViewSize::QViewSize(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::QViewSizeClass)
{
    m_ui->setupUi(this);
}

QViewSize::~QViewSize() = default;

int QViewSize::titlePixel() const
{
    return m_ui->titlePixel->value();
}

int QViewSize::msgPixel() const
{
    return m_ui->msgPixel->value();
}

void QViewSize::setPixels(int title, int message)
{
    const QSignalBlocker blockTitle(m_ui->titlePixel);
    const QSignalBlocker blockMessage(m_ui->msgPixel);
    m_ui->titlePixel->setValue(title);
    m_ui->msgPixel->setValue(message);
}

void QViewSize::on_titlePixel_valueChanged(int)
{
    emit changed();
}

void QViewSize::on_msgPixel_valueChanged(int)
{
    emit changed();
}

void QViewSize::on_btnDef_clicked()
{
    setPixels(DashboardFields::kDefaultTitlePixel, DashboardFields::kDefaultMsgPixel);
    emit changed();
}
