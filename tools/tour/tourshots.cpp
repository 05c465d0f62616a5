#include "tourshots.h"

#include "base/clock.h"
#include "ui/cmain.h"
#include "ui/views/qmylabel.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimeview.h"

#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidgetItemIterator>

namespace TourShots {

const char *const kEurSerial = "LE44A0012345";
const char *const kEur3Serial = "LE60B0023456";
const char *const kUsa0Serial = "LU50C0034567";
const char *const kUsa1Serial = "LT15D0045678";

void later(CMain &window, std::function<void()> step)
{
    QTimer::singleShot(0, &window, std::move(step));
}

bool choose(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    return index >= 0;
}

QTreeWidgetItem *inverterItem(const QTreeWidget &tree, const QString &serial)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it) {
        if (QMyTreeWidget::isInverter(*it) && QMyTreeWidget::serialOf(*it) == serial)
            return *it;
    }
    return nullptr;
}

void showInverterPage(CMain &window, const QString &serial, int page)
{
    window.jump_view1();
    QTreeWidget *tree = window.realTimeView()->tree();
    if (QTreeWidgetItem *item = inverterItem(*tree, serial)) {
        tree->setCurrentItem(item);
        window.inverterClick(item, 0);
    }
    child<QTabWidget>(window, "realTimeSubTab")->setCurrentIndex(page);
}

void showPlantDashboard(CMain &window)
{
    // Today's energy comes from the EUR or USA inverter last shown on the real-time tab.
    showInverterPage(window, QLatin1String(kEurSerial), RealTimeView::RealTimePage);
    window.jump_view0();
}

bool dashboardShowsTodaysEnergy(const CMain &window)
{
    return !child<QMyLabel>(window, "field8")->valueText().startsWith(QLatin1String("0.00"));
}

namespace {

// The largest inverter's power per hour of the day over the past week's days.
void queryDayChart(CMain &window)
{
    window.jump_view3();
    auto *tree = child<QTreeWidget>(window, "treeGraphic");
    if (QTreeWidgetItem *item = inverterItem(*tree, QLatin1String(kUsa1Serial)))
        tree->setCurrentItem(item);
    child<QRadioButton>(window, "rbDay")->setChecked(true);
    const QDate today = Clock::instance().now().date();
    child<QDateEdit>(window, "dateEditStart")->setDate(today.addDays(-7));
    // Up to yesterday: today's readings come from the simulated plant's midday whatever the hour.
    child<QDateEdit>(window, "dateEditEnd")->setDate(today.addDays(-1));
    later(window, [&window] { window.query_graphic(); });
}

// The month's error events of the inverter with the hourly isolation error, the first one explained.
void queryEvents(CMain &window)
{
    window.jump_view4();
    choose(child<QComboBox>(window, "cbInverter_event"), QLatin1String(kUsa0Serial));
    later(window, [&window] {
        window.queryEvent();
        auto *table = child<QTableWidget>(window, "tableEvent");
        if (table->rowCount() > 0) {
            table->selectRow(0);
            window.event_row_click(0, 0);
        }
    });
}

// The month's readings of the EUR inverter.
void queryDataLog(CMain &window)
{
    window.jump_view5();
    choose(child<QComboBox>(window, "cbInverter"), QLatin1String(kEurSerial));
    later(window, [&window] { window.queryDataLog(); });
}

// Scrolled to the first midday once the table has laid out the query's first rows.
bool dataLogAtMidday(const CMain &window)
{
    QScrollBar *bar = child<QTableView>(window, "tableViewDataLog")->verticalScrollBar();
    bar->setValue(6 * 60);
    return bar->maximum() > 0 && bar->value() == std::min(6 * 60, bar->maximum());
}

} // namespace

QList<Shot> tabs()
{
    return {
        {QStringLiteral("main"), showPlantDashboard, dashboardShowsTodaysEnergy},
        {QStringLiteral("real-time-data"),
         [](CMain &window) { showInverterPage(window, QLatin1String(kUsa1Serial), RealTimeView::RealTimePage); }},
        {QStringLiteral("key-parameters"), [](CMain &window) { window.jump_view2(); }},
        {QStringLiteral("graphical-analysis"), queryDayChart},
        {QStringLiteral("event-list"), queryEvents},
        {QStringLiteral("data-logging"), queryDataLog, dataLogAtMidday},
    };
}

} // namespace TourShots
