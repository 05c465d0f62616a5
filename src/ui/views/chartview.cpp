#include "ui/views/chartview.h"

#include "base/clock.h"
#include "base/prompter.h"
#include "history/csvfile.h"
#include "history/historyperiod.h"
#include "history/poweraverages.h"
#include "ui/views/histogramitem.h"
#include "ui/views/historyselectors.h"
#include "ui/views/qmytreewidget.h"
#include "ui_chartview.h"

#include <QCalendarWidget>
#include <qwt_plot.h>
#include <qwt_plot_grid.h>

namespace {

QString dayText(const QDate &date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

} // namespace

ChartView::ChartView(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ChartView)
    , m_prompter(prompter)
    , m_plot(new QwtPlot(this))
    , m_bars(new HistogramItem)
{
    m_ui->setupUi(this);
    // The inverter tree of the real-time page, without its editing.
    m_ui->treeGraphic->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_ui->treeGraphic->setToolTip(QString());
    refreshTree();
    preparePlot();
    const QDate today = Clock::instance().now().date();
    m_ui->dateEditStart->setDate(today);
    m_ui->dateEditEnd->setDate(today);
    HistorySelectors::fillYears(m_ui->cbYear_2);
    showPeriodChoosers();
    for (QRadioButton *button : {m_ui->rbYear, m_ui->rbMonth, m_ui->rbDay})
        connect(button, &QRadioButton::clicked, this, &ChartView::showPeriodChoosers);
    connect(m_ui->btnQueryGraphic, &QPushButton::clicked, this, &ChartView::query);
}

ChartView::~ChartView() = default;

QMyTreeWidget *ChartView::tree() const
{
    return m_ui->treeGraphic;
}

void ChartView::preparePlot()
{
    m_plot->setObjectName(QStringLiteral("powerChart"));
    m_plot->setCanvasBackground(Qt::white);
    auto *grid = new QwtPlotGrid;
    grid->enableXMin(true);
    grid->enableYMin(true);
    grid->setMajorPen(QPen(Qt::black, 0, Qt::DotLine));
    grid->setMinorPen(QPen(Qt::gray, 0, Qt::DotLine));
    grid->attach(m_plot);
    m_bars->attach(m_plot);
    m_ui->chartGridLayout->addWidget(m_plot, 1, 1);
}

void ChartView::refreshTree()
{
    QMyTreeWidget *tree = m_ui->treeGraphic;
    tree->rebuild(QMyTreeWidget::knownSerials(m_devices));
    if (QMyTreeWidget::isInverter(tree->currentItem()))
        return;
    // The first inverter of the first group that has one.
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (QTreeWidgetItem *first = tree->topLevelItem(i)->child(0)) {
            tree->setCurrentItem(first);
            return;
        }
    }
}

void ChartView::showPeriodChoosers()
{
    const bool year = m_ui->rbYear->isChecked();
    m_ui->gbYear->setVisible(year);
    m_ui->gbRange->setVisible(!year);
    if (year)
        return;
    const QString format = m_ui->rbMonth->isChecked() ? QStringLiteral("MM/yyyy") : QStringLiteral("MM/dd/yyyy");
    m_ui->dateEditStart->setDisplayFormat(format);
    m_ui->dateEditEnd->setDisplayFormat(format);
}

void ChartView::query()
{
    m_ui->dateEditStart->calendarWidget()->setGridVisible(true);
    m_ui->dateEditEnd->calendarWidget()->setGridVisible(true);
    if (m_ui->dateEditStart->date() > m_ui->dateEditEnd->date()) {
        m_prompter.message(Prompter::Level::Warning, tr("Error"), tr("Date range error!"));
        return;
    }
    m_ui->btnQueryGraphic->setEnabled(false);
    QCoreApplication::processEvents();
    const QTreeWidgetItem *item = m_ui->treeGraphic->currentItem();
    if (QMyTreeWidget::isInverter(item))
        queryInverter(QMyTreeWidget::serialOf(item));
    else
        m_prompter.message(Prompter::Level::Warning, tr("Error"), tr("Click some one inverter first."));
    m_ui->btnQueryGraphic->setEnabled(true);
}

void ChartView::queryInverter(const QString &serial)
{
    const QDate from = m_ui->dateEditStart->date();
    const QDate to = m_ui->dateEditEnd->date();
    QString startText = dayText(from);
    QString endText = dayText(to);
    HistoryPeriod period;
    PowerAverages::Kind kind;
    Form form;
    if (m_ui->rbDay->isChecked()) {
        period = HistoryPeriod::days(from, to);
        kind = PowerAverages::Hours;
        form = HourForm;
        m_kind = HourChart;
    } else if (m_ui->rbMonth->isChecked()) {
        period = HistoryPeriod::months(from, to);
        kind = PowerAverages::Days;
        form = DayForm;
        m_kind = DayChart;
    } else {
        const int year = m_ui->cbYear_2->currentText().toInt();
        startText = QStringLiteral("01/01/%1").arg(year);
        endText = QStringLiteral("12/31/%1").arg(year);
        period = HistoryPeriod::year(year);
        kind = PowerAverages::Months;
        form = MonthForm;
        m_kind = MonthChart;
    }
    m_averages = PowerAverages::compute(kind, serial, period.start, period.end);
    drawPowerChart(m_averages.size(), m_averages, form, startText, endText);
}

void ChartView::drawPowerChart(int count, const QVector<double> &averages, Form form, const QString &start,
                               const QString &end)
{
    m_plot->setTitle(tr("AC Power\n%1 ~ %2\n").arg(start, end));
    m_plot->setAxisTitle(QwtPlot::yLeft, tr("--> Power(W)"));
    switch (form) {
    case MonthForm:
        m_bars->setBarColour(Qt::blue);
        m_plot->setAxisTitle(QwtPlot::xBottom, tr("--> Month"));
        break;
    case DayForm:
        m_bars->setBarColour(Qt::green);
        m_plot->setAxisTitle(QwtPlot::xBottom, tr("--> Day"));
        break;
    case HourForm:
        m_bars->setBarColour(Qt::yellow);
        m_plot->setAxisTitle(QwtPlot::xBottom, tr("--> Hour"));
        break;
    }
    QVector<QwtIntervalSample> bars;
    bars.reserve(count);
    for (int i = 0; i < count; ++i)
        bars.append(QwtIntervalSample(double(float(averages.value(i))), i - 0.4, i + 0.4));
    m_bars->setIntervals(bars);
    // Index 0 is a bar of its own only for hours.
    m_plot->setAxisScale(QwtPlot::xBottom, form == HourForm ? -0.5 : 0.5, count - 0.5, 1.0);
    m_plot->replot();
}

void ChartView::exportData()
{
    if (m_kind == NoChart) {
        m_prompter.message(Prompter::Level::Information, tr("Info"), tr("Please query data first"));
        return;
    }
    const std::unique_ptr<CsvFile> file = CsvFile::chooseForExport(m_prompter);
    if (!file)
        return;
    static const char *const keyNames[] = {"Hour", "Day", "Month"};
    file->writeLine(QLatin1String(keyNames[m_kind]) + QStringLiteral(",Power(w)"));
    // Hours from 0, days and months from 1.
    for (int key = m_kind == HourChart ? 0 : 1; key < m_averages.size(); ++key)
        file->writeLine(QStringLiteral("%1,%2").arg(key).arg(QString::number(m_averages[key], 'g', 6)));
    file->closeExport();
}
