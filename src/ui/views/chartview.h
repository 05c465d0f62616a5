#pragma once

#include "device/devicemap.h"
#include "ui/dataexporter.h"

#include <QVector>
#include <QWidget>
#include <memory>

namespace Ui {
class ChartView;
}
class HistogramItem;
class Prompter;
class QMyTreeWidget;
class QwtPlot;

// The "Graphical analysis" page: the average power of one inverter per hour of
// the day, day of the month or month of the year over a chosen period, as bars.
class ChartView : public QWidget, public DataExporter
{
    Q_OBJECT

public:
    // What the last query drew; the export writes its averages.
    enum Kind { NoChart = -1, HourChart = 0, DayChart = 1, MonthChart = 2 };
    // How drawPowerChart colours and labels the bars.
    enum Form { MonthForm = 0, DayForm = 1, HourForm = 2 };

    explicit ChartView(Prompter &prompter, QWidget *parent = nullptr);
    ~ChartView() override;

    // A polling cycle's records: the tree writes their inverters black at its next rebuild.
    void setDevices(const DeviceSnapshot &devices) { m_devices = devices; }
    // Rebuilds the inverter tree, keeping the chosen inverter when it is still there.
    void refreshTree();
    // The year chooser for month bars, the date range otherwise.
    void showPeriodChoosers();
    void query();
    void drawPowerChart(int count, const QVector<double> &averages, Form form, const QString &start,
                        const QString &end);

    QwtPlot *plot() const { return m_plot; }
    QMyTreeWidget *tree() const;
    Kind kind() const { return m_kind; }

    bool hasRows() const override { return m_kind != NoChart; }
    void exportData() override;

private:
    void preparePlot();
    void queryInverter(const QString &serial);

    std::unique_ptr<Ui::ChartView> m_ui;
    Prompter &m_prompter;
    DeviceSnapshot m_devices;
    QwtPlot *m_plot;
    HistogramItem *m_bars;
    Kind m_kind = NoChart;
    QVector<double> m_averages; // of the last query's kind
};
