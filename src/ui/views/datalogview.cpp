#include "ui/views/datalogview.h"

#include "base/prompter.h"
#include "history/csvfile.h"
#include "history/qlogdata.h"
#include "ui/views/historyselectors.h"
#include "ui/views/plaintextdelegate.h"
#include "ui_datalogview.h"

#include <QHeaderView>

#include <algorithm>

namespace {
constexpr int kWidthSampleRows = 20;

// Column widths from rows spread over the rows read so far: a month's first
// rows are the dawn of its first day, its widest values come later.
void fitColumns(QTableView &table)
{
    const QAbstractItemModel &model = *table.model();
    const int step = std::max(1, model.rowCount() / kWidthSampleRows);
    const int gridLine = table.showGrid() ? 1 : 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        int width = table.horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < model.rowCount(); row += step)
            width = std::max(width, table.sizeHintForIndex(model.index(row, column)).width() + gridLine);
        table.setColumnWidth(column, width);
    }
}
} // namespace

DataLogView::DataLogView(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DataLogView)
    , m_prompter(prompter)
    , m_model(new QLogData(this))
{
    m_ui->setupUi(this);
    m_ui->tableViewDataLog->setModel(m_model);
    m_ui->tableViewDataLog->setItemDelegate(new PlainTextDelegate(this));
    fitColumns(*m_ui->tableViewDataLog);
    connect(m_ui->btnQueryDataLog, &QPushButton::clicked, this, &DataLogView::query);
    fillSelectors();
}

DataLogView::~DataLogView() = default;

void DataLogView::fillSelectors()
{
    HistorySelectors::fill(m_ui->cbInverter, m_ui->cbMonth, m_ui->cbYear);
}

void DataLogView::query()
{
    m_ui->btnQueryDataLog->setEnabled(false);
    const HistoryPeriod month = HistorySelectors::chosenMonth(m_ui->cbYear, m_ui->cbMonth);
    QTableView *table = m_ui->tableViewDataLog;
    table->setUpdatesEnabled(false);
    m_model->query(m_ui->cbInverter->currentText(), month.start, month.end);
    if (m_model->rowCount() > 0)
        fitColumns(*table);
    table->setUpdatesEnabled(true);
    if (m_model->rowCount() == 0) {
        m_model->clear();
        m_prompter.message(Prompter::Level::Information, tr("info"), tr("No data found!"));
    }
    m_ui->btnQueryDataLog->setEnabled(true);
}

bool DataLogView::hasRows() const
{
    return m_model->rowCount() > 0;
}

void DataLogView::exportData()
{
    const std::unique_ptr<CsvFile> file = CsvFile::chooseForExport(m_prompter);
    if (!file)
        return;
    QStringList cells;
    for (int column = 0; column < QLogData::kColumns; ++column)
        cells << m_model->headerText(column);
    file->writeFields(cells);
    const bool complete = m_model->forEachReading([&](const QLogData::Reading &reading) {
        cells.clear();
        for (int column = 0; column < QLogData::kColumns; ++column)
            cells << m_model->cellText(reading, column);
        file->writeFields(cells);
    });
    file->closeExport(complete);
}
