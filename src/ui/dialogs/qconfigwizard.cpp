#include "ui/dialogs/qconfigwizard.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "link/cserial.h"
#include "monitor/portrefusal.h"
#include "monitor/programstate.h"
#include "monitor/qburnsearch.h"
#include "monitor/searchresult.h"
#include "ui/dialogs/linechoice.h"
#include "ui_qconfigwizard.h"

#include <QShowEvent>

namespace {
const char *const kNothingFoundStyle = "background-color: rgb(255, 0, 0);";
} // namespace

QConfigWizard::QConfigWizard(ProgramState &state, QWidget *parent)
    : QWizard(parent)
    , m_ui(new Ui::QConfigWizardClass)
    , m_program(state)
{
    m_ui->setupUi(this);
    connect(this, &QWizard::currentIdChanged, this, &QConfigWizard::pageChange);
    connect(m_ui->btnSearch, &QPushButton::clicked, this, &QConfigWizard::search);
}

QConfigWizard::~QConfigWizard() = default;

void QConfigWizard::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_found.clear();
        m_startMonitoring = false;
        m_ui->cbStartMonitoring->setChecked(false);
        showFoundCount(0);
        m_ui->progressBar->setValue(0);
        on_btnRefresh_clicked();
        const AppSettings settings;
        m_ui->cbAuto->setChecked(settings.intValue(Setting::auto_search, 0) == 1);
        m_ui->sbMin->setValue(settings.intValue(Setting::auto_search_time, 0));
    }
    QWizard::showEvent(event);
}

void QConfigWizard::on_btnRefresh_clicked()
{
    const AppSettings settings;
    LineChoice::fillPorts(m_ui->cbCOM, settings.text(Setting::COMPortFrm_com_name, QString()));
    LineChoice::fillBauds(m_ui->cbBaudRate, settings.intValue(Setting::COMPortFrm_baud_index, 3));
}

bool QConfigWizard::isSearching() const
{
    return m_search && m_search->isRunning();
}

void QConfigWizard::pageChange(int id)
{
    if (id == -1 && isSearching()) {
        m_search->stop();
        m_search->wait();
    } else if (id == SearchPage && m_found.isEmpty()) {
        button(NextButton)->setEnabled(false);
        button(BackButton)->setEnabled(false);
    }
}

void QConfigWizard::search()
{
    m_found.clear();
    showFoundCount(0);
    m_ui->progressBar->setValue(0);
    if (!m_search) {
        m_search =
            new QBurnSearch(m_program.portNumber(), QBurnSearch::kReadTimeoutConstant, m_program.baudRate(), this);
        connect(m_search, &QBurnSearch::send_finding, this, &QConfigWizard::finding_num);
        connect(m_search, &QBurnSearch::progress, this, &QConfigWizard::search_progress);
        connect(m_search, &QBurnSearch::search_end, this, &QConfigWizard::search_end);
    }
    m_ui->btnSearch->setEnabled(false);
    button(BackButton)->setEnabled(false);
    button(NextButton)->setEnabled(false);
    m_search->setPortBaud(m_program.portNumber(), m_program.baudRate());
    m_search->askToResolveCollisions(m_program.prompter());
    m_search->start();
}

void QConfigWizard::finding_num(int num, int addr, QString)
{
    m_found << addr;
    showFoundCount(num);
}

void QConfigWizard::search_progress(int progress)
{
    m_ui->progressBar->setValue(progress);
}

void QConfigWizard::search_end()
{
    if (!isVisible())
        return; // cancelled while searching: nothing to tell
    m_ui->btnSearch->setEnabled(true);
    if (!m_found.isEmpty()) {
        button(NextButton)->setEnabled(true);
    } else {
        m_ui->lblResult->setStyleSheet(QString::fromLatin1(kNothingFoundStyle));
        m_program.prompter().message(Prompter::Level::Warning, tr("Not found"), tr("No inverters found"));
    }
    button(BackButton)->setEnabled(true);
}

bool QConfigWizard::validateCurrentPage()
{
    switch (currentId()) {
    case IntroductionPage:
        return acceptLine();
    case SearchPage:
        return acceptSearch();
    case FinishPage:
        m_program.addressTable().assign(m_found);
        m_startMonitoring = m_ui->cbStartMonitoring->isChecked();
        return true;
    default:
        return true;
    }
}

bool QConfigWizard::acceptLine()
{
    const int port = LineChoice::portNumber(m_ui->cbCOM);
    const int baud = LineChoice::baudRate(m_ui->cbBaudRate);
    CSerial &line = m_program.sharedPort();
    const bool opened = line.open(port, baud) == 1;
    line.close();
    if (!opened) {
        m_program.prompter().message(Prompter::Level::Warning, tr("Error"),
                                     PortRefusal::text(line, port, tr("This COM port is not available")));
        return false;
    }
    m_program.setLineSettings(port, baud);
    AppSettings settings;
    settings.setValue(Setting::COMPortFrm_com_name, LineChoice::portName(m_ui->cbCOM));
    settings.setValue(Setting::COMPortFrm_baud_index, m_ui->cbBaudRate->currentIndex());
    return true;
}

bool QConfigWizard::acceptSearch()
{
    if (isSearching() || m_found.isEmpty())
        return false;
    AppSettings settings;
    settings.setValue(Setting::auto_search, m_ui->cbAuto->isChecked() ? 1 : 0);
    settings.setValue(Setting::auto_search_time, m_ui->sbMin->value());
    settings.setValue(Setting::INV_ADDR, addressListText(m_found));
    return true;
}

void QConfigWizard::showFoundCount(int count)
{
    if (count == 0)
        m_ui->lblResult->setStyleSheet(QString());
    m_ui->lblResult->setText(tr("%1 inverters found.").arg(count));
}
