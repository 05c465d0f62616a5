#include "ui/qprogresswin.h"

#include "ui/dialogs/dialogplacement.h"
#include "ui/qprogressindicator.h"
#include "ui_qprogresswin.h"

QProgressWin::QProgressWin(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QProgessClass)
{
    m_ui->setupUi(this);
    m_indicator = new QProgressIndicator(this);
    m_indicator->setObjectName(QStringLiteral("progressIndicator"));
    m_ui->horizontalLayout->insertWidget(0, m_indicator);
    m_indicator->setMaximumWidth(50);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

QProgressWin::~QProgressWin()
{
    delete m_ui;
}

void QProgressWin::setText(const QString &text)
{
    m_ui->label->setText(text);
}

QString QProgressWin::text() const
{
    return m_ui->label->text();
}

void QProgressWin::showEvent(QShowEvent *event)
{
    centreOverParent(this);
    m_indicator->startAnimation();
    QDialog::showEvent(event);
}

void QProgressWin::hideEvent(QHideEvent *event)
{
    m_indicator->stopAnimation();
    QDialog::hideEvent(event);
}
