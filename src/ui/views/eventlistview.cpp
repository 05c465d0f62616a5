#include "ui/views/eventlistview.h"

#include "base/prompter.h"
#include "device/errortables.h"
#include "device/statetables.h"
#include "history/csvfile.h"
#include "history/errorevents.h"
#include "ui/views/historyselectors.h"
#include "ui_eventlistview.h"

#include <QHeaderView>

namespace {
constexpr int kWidthSampleRows = 20;
} // namespace

EventListView::EventListView(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::EventListView)
    , m_prompter(prompter)
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
    const QVector<QStringList> rows = ErrorEvents::query(
        m_ui->cbInverter_event->currentText(), HistorySelectors::chosenMonth(m_ui->cbYear_event, m_ui->cbMonth_event));
    QTableWidget *table = m_ui->tableEvent;
    table->setUpdatesEnabled(false);
    table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < ErrorEvents::kColumns; ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->setUpdatesEnabled(true);
    if (rows.isEmpty()) {
        clearResult();
        m_prompter.message(Prompter::Level::Information, tr("Info"), tr("No error events happened!"));
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
        const QTableWidgetItem *item = table->item(row, ErrorEvents::kFirstErrorColumn + i);
        words[i] = ErrorEvents::errorWord(item ? item->text() : QString());
    }
    const int state = stateItem->text().toInt();
    const int versionw3 = ErrorEvents::familyOf(m_ui->cbInverter_event->currentText());
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
    const std::unique_ptr<CsvFile> file = CsvFile::chooseForExport(m_prompter);
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
