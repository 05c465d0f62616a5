#include "ui/dialogs/searchinverterfrm.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "monitor/monitoringsession.h"
#include "monitor/qburnsearch.h"
#include "monitor/searchresult.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui_searchinverterfrm.h"

#include <QShowEvent>

SearchInverterFrm::SearchInverterFrm(MonitoringSession &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SearchInverterFrmClass)
    , m_session(session)
    , m_prompter(prompter)
{
    m_ui->setupUi(this);
    m_ui->tableWidget->setVisible(m_detailsShown);
    connect(m_ui->btn_Search, &QPushButton::clicked, this, &SearchInverterFrm::search);
    connect(m_ui->btnDetail, &QPushButton::clicked, this, &SearchInverterFrm::detailClick);
    connect(m_ui->btnClose, &QPushButton::clicked, this, &QWidget::close);
}

SearchInverterFrm::~SearchInverterFrm() = default;

void SearchInverterFrm::setPortBaud(int port, int baud)
{
    m_port = port;
    m_baud = baud;
}

bool SearchInverterFrm::isSearching() const
{
    return m_search && m_search->isRunning();
}

void SearchInverterFrm::search()
{
    if (isSearching())
        return;
    m_found.clear();
    clearResult();
    free_thread();
    m_search = new QBurnSearch(m_port, QBurnSearch::kReadTimeoutConstant, m_baud, this);
    connect(m_search, &QBurnSearch::send_finding, this, &SearchInverterFrm::finding_num);
    connect(m_search, &QBurnSearch::progress, this, &SearchInverterFrm::search_progress);
    connect(m_search, &QBurnSearch::search_end, this, &SearchInverterFrm::search_end);
    // Asked before monitoring stops, so that an unanswered question leaves the line polled.
    m_search->askToResolveCollisions(m_prompter);
    if (m_session.isPollingRunning())
        m_session.stop();
    setSearching(true);
    m_search->start();
}

void SearchInverterFrm::free_thread()
{
    delete m_search; // waits for a running search
    m_search = nullptr;
}

void SearchInverterFrm::finding_num(int num, int addr, QString sn)
{
    m_found << addr;
    m_ui->lblResult->setText(tr("%1 inverters found.").arg(num));
    QTableWidget *table = m_ui->tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    const QStringList cells = {QString::number(addr), sn};
    for (int column = 0; column < cells.size(); ++column) {
        auto *item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    }
}

void SearchInverterFrm::search_progress(int progress)
{
    m_ui->progressBar->setValue(progress);
}

void SearchInverterFrm::search_end()
{
    const QList<int> found = m_search ? m_search->found() : m_found;
    save_search_result(found);
    if (!m_automatic && found.isEmpty())
        m_prompter.message(Prompter::Level::Warning, tr("Not found"), tr("No inverters found"));
    setSearching(false);
    emit s_search_end();
    if (m_automatic) {
        m_automatic = false;
        close();
    }
}

void SearchInverterFrm::detailClick()
{
    m_detailsShown = !m_detailsShown;
    // The layout fixes the dialog's size to what it shows.
    m_ui->tableWidget->setVisible(m_detailsShown);
}

void SearchInverterFrm::on_btnStop_clicked()
{
    if (!m_search)
        return;
    m_search->stop();
    m_search->wait();
}

void SearchInverterFrm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOverParent(this);
        clearResult();
        const AppSettings settings;
        m_ui->cbAuto->setChecked(settings.intValue(Setting::auto_search, -1) == 1);
        m_ui->sbMin->setValue(settings.intValue(Setting::auto_search_time, -1));
    }
    QDialog::showEvent(event);
}

void SearchInverterFrm::done(int result)
{
    on_btnStop_clicked();
    AppSettings settings;
    settings.setValue(Setting::auto_search, m_ui->cbAuto->isChecked() ? 1 : 0);
    settings.setValue(Setting::auto_search_time, m_ui->sbMin->value());
    QDialog::done(result);
}

void SearchInverterFrm::clearResult()
{
    m_ui->lblResult->setText(tr("%1 inverters found.").arg(0));
    m_ui->progressBar->setValue(0);
    m_ui->tableWidget->setRowCount(0);
}

void SearchInverterFrm::setSearching(bool searching)
{
    m_ui->btn_Search->setEnabled(!searching);
    m_ui->btnClose->setEnabled(!searching);
    m_ui->btnStop->setEnabled(searching);
}
