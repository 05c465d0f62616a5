#include "ui/dialogs/searchinverterfrm.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "monitor/monitoringsession.h"
#include "monitor/portrefusal.h"
#include "monitor/programstate.h"
#include "monitor/qburnsearch.h"
#include "monitor/searchresult.h"
#include "ui/dialogs/autosearchfields.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui_searchinverterfrm.h"

#include <QShowEvent>

SearchInverterFrm::SearchInverterFrm(MonitoringSession &session, ProgramState &state, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SearchInverterFrmClass)
    , m_session(session)
    , m_program(state)
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
    m_search = new QBurnSearch(m_program.sharedPort(), m_port, QBurnSearch::kReadTimeoutConstant, m_baud, this);
    connect(m_search, &QBurnSearch::send_finding, this, &SearchInverterFrm::finding_num);
    connect(m_search, &QBurnSearch::progress, this, &SearchInverterFrm::search_progress);
    connect(m_search, &QBurnSearch::search_end, this, &SearchInverterFrm::search_end);
    // Nobody answers for an automatic search. A user is asked before monitoring
    // stops, so that an unanswered question leaves the line polled.
    if (m_automatic)
        m_search->setResolveCollisions(AppSettings().intValue(Setting::auto_search_change_id) == 1);
    else
        m_search->askToResolveCollisions(m_program.prompter());
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
    takeResult(m_search ? m_search->found() : m_found);
    setSearching(false);
    emit s_search_end();
    if (m_automatic) {
        m_automatic = false;
        close();
    }
}

void SearchInverterFrm::takeResult(const QList<int> &found)
{
    Prompter &prompter = m_program.prompter();
    if (m_search && !m_search->portOpened()) {
        if (!m_automatic)
            prompter.message(
                Prompter::Level::Warning, tr("Error"),
                PortRefusal::text(m_program.sharedPort(), m_port,
                                  tr("COM%1 is not available! The saved inverters are kept.").arg(m_port)));
        return;
    }
    // A line that hung up or failed is not a silent one.
    if (m_search && m_search->lineFailed()) {
        if (!m_automatic)
            prompter.message(
                Prompter::Level::Warning, tr("Error"),
                tr("COM%1 failed during the search (hang-up or I/O error). The saved inverters are kept.").arg(m_port));
        return;
    }
    // Inverters asleep at night or switched off: they stay on the list and are polled until they answer.
    if (m_automatic && found.isEmpty())
        return;
    save_search_result(found);
    if (found.isEmpty())
        prompter.message(Prompter::Level::Warning, tr("Not found"), tr("No inverters found"));
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
        autoSearchFields().load();
    }
    QDialog::showEvent(event);
}

void SearchInverterFrm::done(int result)
{
    on_btnStop_clicked();
    autoSearchFields().store();
    QDialog::done(result);
}

AutoSearchFields SearchInverterFrm::autoSearchFields() const
{
    return {m_ui->cbAuto, m_ui->sbMin, m_ui->cbAutoChangeId};
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
