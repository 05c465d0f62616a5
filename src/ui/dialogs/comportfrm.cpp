#include "ui/dialogs/comportfrm.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/dialogs/linechoice.h"
#include "ui/dialogs/qdiagnostics.h"
#include "ui/dialogs/qpassword.h"
#include "ui_comportfrm.h"

#include <QKeyEvent>
#include <QShowEvent>

COMPortFrm::COMPortFrm(ProgramState &state, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::COMPortFrmClass)
    , m_program(state)
{
    m_ui->setupUi(this);
    auto *diagnostics = new QDiagnostics(state.sharedPort(), [this] {
        return LineSettings{selectedPort(), selectedBaud()};
    });
    m_password = new QPassword(state.prompter(), diagnostics, this);
    connect(m_ui->btnOK, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &COMPortFrm::cancel_set);
    connect(m_ui->btnDiagnostic, &QPushButton::clicked, m_password, &QDialog::exec);
    initCOM();
}

COMPortFrm::~COMPortFrm() = default;

int COMPortFrm::selectedPort() const
{
    return LineChoice::portNumber(m_ui->cbCOM);
}

int COMPortFrm::selectedBaud() const
{
    return LineChoice::baudRate(m_ui->cbBaudRate);
}

QDiagnostics *COMPortFrm::diagnostics() const
{
    return m_password->diagnostics();
}

void COMPortFrm::cancel_set()
{
    m_ui->cbCOM->setCurrentIndex(m_shownPortIndex);
    m_ui->cbBaudRate->setCurrentIndex(m_shownBaudIndex);
    close();
}

void COMPortFrm::initCOM()
{
    const AppSettings settings;
    const bool listed = LineChoice::fillPorts(m_ui->cbCOM, settings.text(Setting::COMPortFrm_com_name, QString()));
    // The rates are always listed, so that a close without ports finds the stored rate unchanged.
    LineChoice::fillBauds(m_ui->cbBaudRate, settings.intValue(Setting::COMPortFrm_baud_index, -1));
    // Without ports the line settings keep what they were.
    if (listed)
        applyLineSettings();
}

void COMPortFrm::on_btnRefresh_clicked()
{
    initCOM();
}

void COMPortFrm::showEvent(QShowEvent *event)
{
    // A window restored by the window system keeps what it shows.
    if (!event->spontaneous()) {
        makeRoomForTitle(this);
        centreOverParent(this);
        initCOM();
        m_shownPortIndex = m_ui->cbCOM->currentIndex();
        m_shownBaudIndex = m_ui->cbBaudRate->currentIndex();
    }
    QDialog::showEvent(event);
}

void COMPortFrm::closeEvent(QCloseEvent *event)
{
    AppSettings settings;
    const QString portName = LineChoice::portName(m_ui->cbCOM);
    const int baudIndex = m_ui->cbBaudRate->currentIndex();
    // The choice as shown is compared: a stored port that is absent is listed and stays selected, and a
    // stored rate outside the table shows as the default rate.
    if (portName != settings.text(Setting::COMPortFrm_com_name, QString()) ||
        baudIndex != LineChoice::shownBaudIndex(settings.intValue(Setting::COMPortFrm_baud_index, -1))) {
        settings.setValue(Setting::COMPortFrm_com_name, portName);
        settings.setValue(Setting::COMPortFrm_baud_index, baudIndex);
        // The inverters found on the old line must be searched again.
        m_program.addressTable().clear();
        settings.setValue(Setting::INV_ADDR, QString());
    }
    applyLineSettings();
    QDialog::closeEvent(event);
}

void COMPortFrm::keyPressEvent(QKeyEvent *event)
{
    // Escape cancels as the Cancel button does, instead of closing with the changed choice.
    if (event->key() == Qt::Key_Escape)
        cancel_set();
    else
        QDialog::keyPressEvent(event);
}

void COMPortFrm::applyLineSettings()
{
    m_program.setLineSettings(selectedPort(), selectedBaud());
}
