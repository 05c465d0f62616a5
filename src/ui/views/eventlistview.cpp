#include "ui/views/eventlistview.h"

#include "base/prompter.h"
#include "db/readconnection.h"
#include "device/errortables.h"
#include "device/statetables.h"
#include "monitor/programstate.h"
#include "ui/views/csvfile.h"
#include "ui/views/historyselectors.h"
#include "ui_eventlistview.h"

#include <QHeaderView>

namespace {

// The statement keeps its runs of tabs: it is logged as it stands when it fails.
const QString kEventQuery = QStringLiteral(
    "SELECT inv.versionw3, inv.sn_name, log.log_time, log.state_code, \t\t\t\t  log.err1, log.err2, log.err3, "
    "log.err4 \t\t\t\t  FROM orva_monitor_log log, orva_inverter inv WHERE log.inverter_id = \t\t\t\t  (SELECT id "
    "FROM orva_inverter WHERE sn_name = ?1) AND inv.id =  \t\t\t\t  (SELECT id FROM orva_inverter WHERE sn_name = "
    "?1) AND \t\t\t\t  log_time BETWEEN ?2 and ?3 AND \t\t\t\t  (log.err1 != 0 OR log.err2 != 0 OR log.err3 != 0 "
    "OR log.err4 != 0) \t\t\t\t   limit 20000");

// The table's columns: log_time, state_code, err1 to err4.
constexpr int kColumns = 6;
constexpr int kFirstErrorColumn = 2;
constexpr int kWidthSampleRows = 20;

QString errorWordText(const QByteArray &stored)
{
    return QString::number(stored.toLongLong(), 16) + QStringLiteral(" H");
}

} // namespace

EventListView::EventListView(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::EventListView)
{
    m_ui->setupUi(this);
    m_ui->eventSplitter->setStretchFactor(0, 3);
    m_ui->eventSplitter->setStretchFactor(1, 1);
    // Column widths from the first rows: the rest are alike.
    m_ui->tableEvent->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);
    connect(m_ui->btnQueryEvent, &QPushButton::clicked, this, &EventListView::query);
    connect(m_ui->tableEvent, &QTableWidget::cellClicked, this, &EventListView::explainRow);
    fillEventSelectors();
}

EventListView::~EventListView() = default;

void EventListView::fillEventSelectors()
{
    HistorySelectors::fill(m_ui->cbInverter_event, m_ui->cbMonth_event, m_ui->cbYear_event);
}

void EventListView::clearResult()
{
    m_ui->tableEvent->clearContents();
    m_ui->tableEvent->setRowCount(0);
    m_ui->listErrDesc->clear();
}

void EventListView::query()
{
    m_ui->btnQueryEvent->setEnabled(false);
    clearResult();
    const HistorySelectors::Period month = HistorySelectors::chosenMonth(m_ui->cbYear_event, m_ui->cbMonth_event);
    ReadCursor cursor(kEventQuery, {m_ui->cbInverter_event->currentText(), month.start, month.end});
    QVector<QStringList> rows;
    while (cursor.next()) {
        // The cursor's columns: versionw3, sn_name, then the table's own.
        QStringList cells;
        for (int column = 0; column < kColumns; ++column) {
            const QByteArray stored = cursor.bytes(column + 2);
            cells << (column < kFirstErrorColumn ? QString::fromUtf8(stored) : errorWordText(stored));
        }
        rows << cells;
    }
    QTableWidget *table = m_ui->tableEvent;
    table->setUpdatesEnabled(false);
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->setUpdatesEnabled(true);
    if (rows.isEmpty()) {
        clearResult();
        ProgramState::instance().prompter().message(Prompter::Level::Information, tr("Info"),
                                                    tr("No error events happened!"));
    }
    m_ui->btnQueryEvent->setEnabled(true);
}

void EventListView::explainRow(int row, int column)
{
    Q_UNUSED(column)
    m_ui->listErrDesc->clear();
    const QTableWidget *table = m_ui->tableEvent;
    const QTableWidgetItem *stateItem = table->item(row, 1);
    if (!stateItem)
        return;
    int words[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QTableWidgetItem *item = table->item(row, kFirstErrorColumn + i);
        QString text = item ? item->text() : QString();
        words[i] = text.remove(QLatin1Char('H')).trimmed().toInt(nullptr, 16);
    }
    const int state = stateItem->text().toInt();
    const int versionw3 = ReadConnection::query(QStringLiteral("SELECT versionw3 FROM orva_inverter WHERE sn_name = ?"),
                                                {m_ui->cbInverter_event->currentText()})
                              .value(0)
                              .value(QStringLiteral("versionw3"))
                              .toInt();
    for (const DecodedError &error : decodeErrors(versionw3, words[0], words[1], words[2], words[3]))
        m_ui->listErrDesc->addItem(tr("Error Code %1-> ").arg(error.word) + translatedDescription(*error.info));
    const QString name = stateName(versionw3, state);
    if (!name.isEmpty())
        m_ui->listErrDesc->addItem(tr("State code-> ") + translatedStateName(name));
}

bool EventListView::hasRows() const
{
    return m_ui->tableEvent->rowCount() > 0;
}

void EventListView::exportData()
{
    const std::unique_ptr<CsvFile> file = CsvFile::chooseForExport();
    if (!file)
        return;
    const QTableWidget *table = m_ui->tableEvent;
    // A column without a header item and a missing cell write nothing, not even the comma.
    QStringList header;
    for (int column = 0; column < table->columnCount(); ++column) {
        if (const QTableWidgetItem *item = table->horizontalHeaderItem(column))
            header << item->text();
    }
    file->writeFields(header);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            if (const QTableWidgetItem *item = table->item(row, column))
                cells << item->text();
        }
        file->writeFields(cells);
    }
    file->closeExport();
}
