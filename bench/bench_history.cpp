// The history pages on a database of one year of one-minute readings of four
// inverters (bench/make_history_db.sh): the month's data log and its scrolling,
// the year and month charts, the month's event list, and the memory they take.
// Prints each figure as a ratio to its goal. See README.md.
//   bench_history                 a short run on 31 days made on the spot (CI's smoke run)
//   bench_history --days 365      the year (2.1 M readings, about 1 GB, several minutes to make)
//   bench_history --db FILE       an existing database made by the script (kept; the summary is added once)
#include "base/consoleprompter.h"
#include "db/database.h"
#include "db/historyschema.h"
#include "history/poweraverages.h"
#include "history/qlogdata.h"
#include "historydatabase.h"
#include "ui/views/chartview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/qmytreewidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <qwt_plot.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

const char *const kSerial = "LE44A0012345";
const char *const kErrorSerial = "LU50C0034567";

// One measurement: wall time, and the CPU time of the GUI thread, which the
// other programs of a busy machine do not stretch.
struct Sample
{
    double wallMs;
    double cpuMs;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// One call with the layout and painting it leaves behind.
Sample timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = threadCpuMs();
    work();
    // Layouts run in the first round of events and ask for the paint done in the second.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return {double(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
}

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The median (or, for stalls, the largest) of each kind of time, and its ratio to the goal.
void report(const char *name, const std::vector<Sample> &samples, double goalMs, bool worst = false)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Sample &sample : samples) {
        wall.push_back(sample.wallMs);
        cpu.push_back(sample.cpuMs);
    }
    const auto pick = [worst](const std::vector<double> &values) {
        return worst ? *std::max_element(values.begin(), values.end()) : median(values);
    };
    std::printf("%-40s %s of %3zu: wall %7.1f ms (ratio %.3f), GUI thread CPU %7.1f ms (ratio %.3f); goal %3.0f ms\n",
                name, worst ? "max   " : "median", samples.size(), pick(wall), pick(wall) / goalMs, pick(cpu),
                pick(cpu) / goalMs, goalMs);
}

void memory(const char *after)
{
    std::printf("  memory after %-30s VmRSS %6ld kB  VmHWM %6ld kB\n", after, statusKb("VmRSS:"), statusKb("VmHWM:"));
}

template<typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

void choose(QWidget *page, const char *box, const QString &text)
{
    QComboBox *combo = child<QComboBox>(page, box);
    combo->setCurrentIndex(combo->findText(text));
}

void selectInverter(QTreeWidget *tree, const QString &serial)
{
    for (QTreeWidgetItem *item : tree->findItems(serial, Qt::MatchContains | Qt::MatchRecursive))
        tree->setCurrentItem(item);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM") : "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const HistoryDatabase database = HistoryDatabase::fromArguments(app.arguments(), temporary, 5);
    if (!database.make())
        return 1;
    const QString &path = database.path;
    const int days = database.days;
    const int runs = database.runs;
    ConsolePrompter prompter;
    db_set_path(path);
    if (db_open() != 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    int readings = 0;
    db_query_int(QStringLiteral("SELECT count(*) AS n FROM orva_monitor_log"), QStringLiteral("n"), readings);
    std::printf("%d readings of 4 inverters\n", readings);
    memory("opening");
    {
        QElapsedTimer timer;
        timer.start();
        const bool had = HistorySchema::hasPowerSummary();
        HistorySchema::ensure();
        std::printf("%-44s %.1f s%s\n", "history summary made (once per database)", double(timer.elapsed()) / 1000.0,
                    had ? " (there already)" : "");
    }
    const QString month = days >= 180 ? QStringLiteral("6") : QStringLiteral("1");
    const QDate day(2025, month.toInt(), 15);

    // The month's data log: the query and the first screen, then scrolling to its end.
    DataLogView dataLog(prompter);
    dataLog.resize(1280, 760);
    dataLog.show();
    choose(&dataLog, "cbInverter", QLatin1String(kSerial));
    choose(&dataLog, "cbYear", QStringLiteral("2025"));
    choose(&dataLog, "cbMonth", month);
    auto *table = child<QTableView>(&dataLog, "tableViewDataLog");
    std::vector<Sample> firstScreen;
    for (int run = 0; run < runs; ++run)
        firstScreen.push_back(timed([&] { dataLog.query(); }));
    report("data log: month query and first screen", firstScreen, 100);
    std::vector<Sample> steps;
    while (dataLog.model()->canFetchMore(QModelIndex()))
        steps.push_back(timed([&] { table->scrollToBottom(); }));
    report("data log: scrolling to the month's end", steps, 50, true);
    if (!steps.empty())
        std::printf("  %zu fetches of %d rows, median wall %.1f ms\n", steps.size(), QLogData::kPageRows, median([&] {
                        std::vector<double> wall;
                        for (const Sample &step : steps)
                            wall.push_back(step.wallMs);
                        return wall;
                    }()));
    std::printf("  %d rows shown\n", dataLog.model()->rowCount());
    memory("the whole month shown");

    ChartView chart(prompter);
    chart.resize(1280, 760);
    chart.show();
    selectInverter(chart.tree(), QLatin1String(kSerial));
    std::vector<Sample> yearChart;
    child<QRadioButton>(&chart, "rbYear")->click();
    choose(&chart, "cbYear_2", QStringLiteral("2025"));
    for (int run = 0; run < runs; ++run)
        yearChart.push_back(timed([&] { chart.query(); }));
    report("chart: year (12 bars)", yearChart, 300);
    std::vector<Sample> monthChart;
    child<QRadioButton>(&chart, "rbMonth")->click();
    child<QDateEdit>(&chart, "dateEditStart")->setDate(day);
    child<QDateEdit>(&chart, "dateEditEnd")->setDate(day);
    for (int run = 0; run < runs; ++run)
        monthChart.push_back(timed([&] { chart.query(); }));
    report("chart: days of a month (31 bars)", monthChart, 100);
    memory("the charts");

    EventListView events(prompter);
    events.resize(1280, 760);
    events.show();
    choose(&events, "cbInverter_event", QLatin1String(kErrorSerial));
    choose(&events, "cbYear_event", QStringLiteral("2025"));
    choose(&events, "cbMonth_event", month);
    std::vector<Sample> eventQuery;
    for (int run = 0; run < runs; ++run)
        eventQuery.push_back(timed([&] { events.query(); }));
    report("event list: month query", eventQuery, 50);
    std::printf("  %d error readings listed\n", child<QTableWidget>(&events, "tableEvent")->rowCount());
    memory("the event list");

    // For comparison: the year's averages read from every reading, as without the summary.
    std::vector<Sample> fromReadings;
    fromReadings.push_back(timed([&] {
        PowerAverages::fromReadings(PowerAverages::Months, QLatin1String(kSerial),
                                    QStringLiteral("2025-01-00 00:00:00"), QStringLiteral("2025-12-31 23:59:59"));
    }));
    report("(year chart from the readings themselves)", fromReadings, 300);
    memory("reading the year");

    db_close();
    return 0;
}
