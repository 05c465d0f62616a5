#include "app/startup.h"
#include "db/database.h"
#include "db/historyfill.h"
#include "db/historyschema.h"
#include "support/manualclock.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/dailydebugfiles.h"
#include "ui/views/chartview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/histogramitem.h"
#include "ui/views/poweraverages.h"
#include "ui/views/qlogdata.h"
#include "ui/views/qmytreewidget.h"

#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <sqlite3.h>

namespace {

QString golden(const QString &name)
{
    QFile file(QStringLiteral(LUMORA_SOURCE_DIR "/tests/data/history/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("missing ") + name;
}

int addInverter(const QString &serial, int versionw3)
{
    db_exec(QStringLiteral("INSERT INTO orva_inverter (brand_name, sn_name, versionw3) VALUES ('LUMORA', ?, ?)"),
            {serial, versionw3});
    int id = 0;
    db_query_int(QStringLiteral("SELECT max(id) AS id FROM orva_inverter"), QStringLiteral("id"), id);
    return id;
}

// A monitoring text of count registers from 186: register r holds r * 10 + step.
QString monitorText(int count, int step)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString::number((186 + i) * 10 + step);
    return parts.join(QLatin1Char(','));
}

// The open database as an earlier installation left it: without the history summary.
void dropSummary()
{
    QCOMPARE(db_exec(QStringLiteral("DROP TRIGGER orva_power_hour_insert; DROP TRIGGER orva_power_hour_delete; "
                                    "DROP TRIGGER orva_power_hour_update; "
                                    "DROP VIEW orva_monitor_power; DROP TABLE orva_power_hour; "
                                    "DROP INDEX orva_monitor_log_errors")),
             0);
}

void addReading(int inverter, int versionw3, const QString &time, const QList<int> &errors, const QString &monitor,
                const QString &sensors = QString())
{
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_monitor_log (versionw3, log_time, inverter_id, state_code, err1, "
                                    "err2, err3, err4, monitor_data, efficiency, sensor_value) "
                                    "VALUES (?, ?, ?, 5, ?, ?, ?, ?, ?, 96.5, ?)"),
                     {versionw3, time, inverter, errors.value(0), errors.value(1), errors.value(2), errors.value(3),
                      monitor, sensors}),
             0);
}

template<typename T>
T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void choose(QWidget *page, const char *box, const QString &text)
{
    QComboBox *combo = child<QComboBox>(page, box);
    combo->setCurrentIndex(combo->findText(text));
}

QString lastMessage(const ScriptedPrompter &prompter)
{
    const ScriptedPrompter::Message message = prompter.messages().value(prompter.messages().size() - 1);
    return message.title + QLatin1Char('|') + message.text;
}

QStringList tableRow(const QTableWidget *table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QStringLiteral("-"));
    return cells;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void eventListQueryExplanationAndExport();
    void dataLogColumnsFamiliesAndExport();
    void dataLogPagesThroughAMonth();
    void chartAveragesMatchTheReadings();
    void chartPageDrawsAndExports();
    void summaryMadeBehindTheWindow();
    void debugFilesAtClosingAndAtMidnight();
};

void TestHistory::eventListQueryExplanationAndExport()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 3, 15), QTime(12, 0)));
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("LE44A0012345"), 0);
    const QString monitor = monitorText(85, 0);
    addReading(eur, 0, QStringLiteral("2011-01-31 23:59:59"), {1, 0, 0, 0}, monitor); // January
    addReading(eur, 0, QStringLiteral("2011-02-01 00:00:00"), {4097, 0, 0, 0xabcd}, monitor);
    addReading(eur, 0, QStringLiteral("2011-02-10 08:00:00"), {0, 0, 0, 0}, monitor); // no error
    addReading(eur, 0, QStringLiteral("2011-02-28 23:59:59"), {0x8000, 0, 0, 0}, monitor);
    addReading(eur, 0, QStringLiteral("2011-03-01 00:00:00"), {2, 0, 0, 0}, monitor); // March

    EventListView page;
    QCOMPARE(child<QComboBox>(&page, "cbYear_event")->currentText(), QStringLiteral("2011"));
    QCOMPARE(child<QComboBox>(&page, "cbMonth_event")->currentText(), QStringLiteral("3"));
    choose(&page, "cbMonth_event", QStringLiteral("2"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryEvent"), Qt::LeftButton);
    auto *table = child<QTableWidget>(&page, "tableEvent");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(tableRow(table, 0), (QStringList{"2011-02-01 00:00:00", "5", "1001 H", "0 H", "0 H", "abcd H"}));
    QCOMPARE(tableRow(table, 1), (QStringList{"2011-02-28 23:59:59", "5", "8000 H", "0 H", "0 H", "0 H"}));
    QVERIFY(!(table->item(0, 0)->flags() & Qt::ItemIsEditable));

    // 8000 H on an EUR inverter: the insulation text of word 1 bit 15 and nothing else but the state.
    emit table->cellClicked(1, 3);
    auto *explanation = child<QListWidget>(&page, "listErrDesc");
    QVERIFY(explanation->count() >= 1);
    QVERIFY(explanation->item(0)->text().startsWith(QStringLiteral("Error Code 1-> The insulation resistance")));
    for (int i = 1; i < explanation->count(); ++i)
        QVERIFY(explanation->item(i)->text().startsWith(QStringLiteral("State code-> ")));

    prompter.setSaveFileName(dir.file(QStringLiteral("events.csv")));
    page.exportData();
    QCOMPARE(QString::fromUtf8(dir.read(QStringLiteral("events.csv"))), golden(QStringLiteral("events.csv")));
    QCOMPARE(lastMessage(prompter), QStringLiteral("OK|Export OK"));
    // A file that takes nothing (a full disk) is not reported as exported.
    const int messages = prompter.messages().size();
    prompter.setSaveFileName(QStringLiteral("/dev/full"));
    page.exportData();
    QCOMPARE(prompter.messages().size(), messages);

    // A month of readings without errors.
    choose(&page, "cbMonth_event", QStringLiteral("1"));
    db_exec(QStringLiteral("UPDATE orva_monitor_log SET err1 = 0 WHERE log_time < '2011-02'"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryEvent"), Qt::LeftButton);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(lastMessage(prompter), QStringLiteral("Info|No error events happened!"));
}

void TestHistory::dataLogColumnsFamiliesAndExport()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 2, 15), QTime(12, 0)));
    ScriptedPrompter prompter;
    db_exec(QStringLiteral("INSERT INTO sensor_setting (header, unit) VALUES ('Temp, roof', '°C'), ('Sun', 'W/m2')"));
    const int eur = addInverter(QStringLiteral("LE44A0012345"), 0);
    const int usa0 = addInverter(QStringLiteral("LU50C0034567"), 203);
    const int usa1 = addInverter(QStringLiteral("LT15D0045678"), 303);
    addReading(eur, 0, QStringLiteral("2011-02-28 23:59:59"), {4096, 0, 0, 0}, monitorText(85, 1),
               QStringLiteral("21.5,812"));
    addReading(eur, 0, QStringLiteral("2011-02-01 00:00:00"), {0, 0, 0, 0}, monitorText(85, 2));
    addReading(eur, 0, QStringLiteral("2011-03-01 00:00:00"), {0, 0, 0, 0}, monitorText(85, 3)); // March
    addReading(usa0, 203, QStringLiteral("2011-02-05 10:00:00"), {0, 0, 0, 0}, monitorText(85, 4));
    addReading(usa1, 303, QStringLiteral("2011-02-05 10:00:00"), {0, 0, 0, 0}, monitorText(30, 5),
               QStringLiteral("3.5"));

    DataLogView page;
    auto *table = child<QTableView>(&page, "tableViewDataLog");
    QAbstractItemModel *model = table->model();
    const auto cell = [&](int row, int column) { return model->index(row, column).data().toString(); };
    const auto header = [&](int column) { return model->headerData(column, Qt::Horizontal).toString(); };

    choose(&page, "cbInverter", QStringLiteral("LU50C0034567"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryDataLog"), Qt::LeftButton);
    QCOMPARE(model->columnCount(), 100);
    // Single string: the second and third strings read 0, the first as stored.
    QCOMPARE(cell(0, 7), QStringLiteral("186.4 V"));
    QCOMPARE(cell(0, 8), QStringLiteral("0 V"));
    QCOMPARE(cell(0, 11), QStringLiteral("0 W"));
    QCOMPARE(cell(0, 10), QStringLiteral("1894 W"));

    choose(&page, "cbInverter", QStringLiteral("LT15D0045678"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryDataLog"), Qt::LeftButton);
    QCOMPARE(header(7), QStringLiteral("Vpv_A"));
    for (int column = 92; column < 100; ++column)
        QCOMPARE(header(column), QStringLiteral("N/A"));
    QCOMPARE(cell(0, 36), QStringLiteral("2155 Min")); // register 215, the last of 30
    QCOMPARE(cell(0, 37), QString());
    QCOMPARE(cell(0, 92), QStringLiteral("3.5 °C"));

    // February ends on day 31 as text: the 28th at 23:59:59 is in, March 1st is not.
    choose(&page, "cbInverter", QStringLiteral("LE44A0012345"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryDataLog"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(cell(0, 0), QStringLiteral("2011-02-01 00:00:00"));
    QCOMPARE(cell(1, 3), QStringLiteral("1000 H"));
    QCOMPARE(model->headerData(1, Qt::Vertical).toInt(), 2);
    prompter.setSaveFileName(dir.file(QStringLiteral("log.csv")));
    page.exportData();
    QCOMPARE(QString::fromUtf8(dir.read(QStringLiteral("log.csv"))), golden(QStringLiteral("datalog.csv")));

    choose(&page, "cbMonth", QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryDataLog"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(lastMessage(prompter), QStringLiteral("info|No data found!"));
}

void TestHistory::dataLogPagesThroughAMonth()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("SN1"), 0);
    // Three readings a minute share their time, so that pages end inside a run of equal times.
    QList<QVariantList> rows;
    const int minutes = 700;
    for (int minute = 0; minute < minutes; ++minute) {
        const QString time = QDateTime(QDate(2024, 5, 1), QTime(0, 0))
                                 .addSecs(minute * 60)
                                 .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        for (int i = 0; i < 3; ++i)
            rows << QVariantList{time, eur, QString::number(minute * 3 + i)};
    }
    db_exec_each(QStringLiteral("INSERT INTO orva_monitor_log (log_time, inverter_id, monitor_data, err1, err2, err3, "
                                "err4) VALUES (?, ?, ?, 0, 0, 0, 0)"),
                 rows);

    QLogData model;
    model.query(QStringLiteral("SN1"), QStringLiteral("2024-05-01 00:00:00"), QStringLiteral("2024-05-31 23:59:59"));
    QCOMPARE(model.rowCount(), QLogData::kPageRows);
    int fetches = 0;
    while (model.canFetchMore(QModelIndex())) {
        model.fetchMore(QModelIndex());
        ++fetches;
    }
    QCOMPARE(model.rowCount(), minutes * 3);
    QCOMPARE(fetches, minutes * 3 / QLogData::kPageRows);
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.index(row, 7).data().toString().section(QLatin1Char(' '), 0, 0).toDouble(), row * 0.1);

    // The export writes the whole month, not only the rows fetched.
    model.query(QStringLiteral("SN1"), QStringLiteral("2024-05-01 00:00:00"), QStringLiteral("2024-05-31 23:59:59"));
    int exported = 0;
    QVERIFY(model.forEachReading([&](const QLogData::Reading &) { ++exported; }));
    QCOMPARE(exported, minutes * 3);
}

void TestHistory::chartAveragesMatchTheReadings()
{
    TempAppDir dir;
    dir.openDatabase();
    const int eur = addInverter(QStringLiteral("SN1"), 0);
    const int usa1 = addInverter(QStringLiteral("SN10"), 400); // holds the other's serial
    QRandomGenerator random(7);
    QList<QVariantList> rows;
    for (int i = 0; i < 3000; ++i) {
        const bool three = random.bounded(2) == 1;
        const QDateTime time = QDateTime(QDate(2023, 11, 20), QTime(0, 0)).addSecs(random.bounded(86400 * 120));
        QStringList parts;
        for (int part = 0; part < (three ? 30 : 85); ++part)
            parts << (random.bounded(4) == 0 ? QStringLiteral("%1.9").arg(random.bounded(500))
                                             : QString::number(random.bounded(6000)));
        rows << QVariantList{three ? 400 : 0, time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), three ? usa1 : eur,
                             parts.join(QLatin1Char(','))};
    }
    db_exec_each(QStringLiteral("INSERT INTO orva_monitor_log (versionw3, log_time, inverter_id, monitor_data) "
                                "VALUES (?, ?, ?, ?)"),
                 rows);
    // A 99.9 W reading counts 99: (99 + 100) / 2.
    addReading(eur, 0, QStringLiteral("2025-06-01 10:00:00"), {}, QStringLiteral("0,0,0,99.9"));
    addReading(eur, 0, QStringLiteral("2025-06-03 10:30:00"), {}, QStringLiteral("0,0,0,100"));
    QCOMPARE(PowerAverages::compute(PowerAverages::Hours, QStringLiteral("SN1"), QStringLiteral("2025-06-01 00:00:00"),
                                    QStringLiteral("2025-06-03 23:59:59"))
                 .value(10),
             99.5);
    // The serial is matched exactly: "SN" is a part of both names, but neither's.
    QCOMPARE(PowerAverages::compute(PowerAverages::Hours, QStringLiteral("SN"), QStringLiteral("2025-06-01 00:00:00"),
                                    QStringLiteral("2025-06-03 23:59:59"))
                 .value(10),
             0.0);

    // Changed readings are counted again in their old and new hours.
    QCOMPARE(db_exec(QStringLiteral("UPDATE orva_monitor_log SET monitor_data = '0,0,0,7,0,0,0,0,8,0,0,9', "
                                    "log_time = datetime(log_time, '+90 minutes') WHERE id % 7 = 0")),
             0);
    struct Period
    {
        PowerAverages::Kind kind;
        const char *start;
        const char *end;
    };
    const Period periods[] = {{PowerAverages::Hours, "2023-12-01 00:00:00", "2024-01-15 23:59:59"},
                              {PowerAverages::Days, "2024-02-00 00:00:00", "2024-02-31 23:59:59"},
                              {PowerAverages::Days, "2023-11-00 00:00:00", "2024-03-31 23:59:59"},
                              {PowerAverages::Months, "2024-01-00 00:00:00", "2024-12-31 23:59:59"},
                              {PowerAverages::Months, "2022-01-00 00:00:00", "2022-12-31 23:59:59"}};
    for (const QString serial : {"SN1", "SN10"}) {
        for (const Period &period : periods) {
            const QString start = QLatin1String(period.start);
            const QString end = QLatin1String(period.end);
            const QVector<double> summary = PowerAverages::fromSummary(period.kind, serial, start, end);
            QCOMPARE(summary.size(), PowerAverages::barCount(period.kind));
            QCOMPARE(summary, PowerAverages::fromReadings(period.kind, serial, start, end));
        }
    }
    // February 2024 has 29 days: the day positions after it stay at zero.
    const QVector<double> february =
        PowerAverages::fromSummary(PowerAverages::Days, QStringLiteral("SN10"), QStringLiteral("2024-02-00 00:00:00"),
                                   QStringLiteral("2024-02-31 23:59:59"));
    QVERIFY(february.value(29) > 0);
    QCOMPARE(february.mid(30), (QVector<double>{0, 0}));

    // A database made before the summary gets the same one at start-up.
    const auto summary = [] {
        return db_query(QStringLiteral("SELECT * FROM orva_power_hour ORDER BY inverter_id, hour"));
    };
    const DbRows kept = summary();
    dropSummary();
    QVERIFY(HistorySchema::ensure(1000)); // a chunk at a time
    QCOMPARE(summary(), kept);

    // Deleting an inverter's readings empties its summary.
    db_exec(QStringLiteral("DELETE FROM orva_monitor_log WHERE inverter_id = ?"), {usa1});
    QCOMPARE(db_query(QStringLiteral("SELECT * FROM orva_power_hour WHERE inverter_id = ?"), {usa1}).size(), 0);
}

// A database of an earlier installation gets its summary behind the window:
// while another program holds the file the summary cannot be made, yet the
// start-up and the window are done; it is made once the file is free.
void TestHistory::summaryMadeBehindTheWindow()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("LE44A0012345"), 0);
    const QDateTime ten(QDate(2025, 6, 1), QTime(10, 0));
    for (int minute = 0; minute < 120; ++minute)
        addReading(eur, 0, ten.addSecs(minute * 60).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), {},
                   QStringLiteral("0,0,0,%1").arg(minute));
    dropSummary();
    db_close();
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(dir.file(QStringLiteral("lumora.db"))).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    QVERIFY(Startup::checkDatabase(prompter));
    HistoryFill fill;
    QSignalSpy ended(&fill, &HistoryFill::ended);
    QVERIFY(fill.startIfNeeded());
    CMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!HistorySchema::hasPowerSummary());

    QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
    QVERIFY(ended.first().first().toBool());
    QVERIFY(HistorySchema::hasPowerSummary());
    QCOMPARE(db_query(QStringLiteral("SELECT sum(samples) AS n, sum(power_sum) AS p FROM orva_power_hour")),
             (DbRows{{{QStringLiteral("n"), QStringLiteral("120")}, {QStringLiteral("p"), QStringLiteral("7140")}}}));
}

void TestHistory::chartPageDrawsAndExports()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 2, 3), QTime(12, 0)));
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("LE44A0012345"), 0);
    db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('Roof')"));
    db_exec(QStringLiteral("INSERT INTO orva_group_inverters (group_id, inverter_id) VALUES (1, ?)"), {eur});
    addReading(eur, 0, QStringLiteral("2011-02-01 10:00:00"), {}, QStringLiteral("0,0,0,1000"));
    addReading(eur, 0, QStringLiteral("2011-02-03 10:20:00"), {}, QStringLiteral("0,0,0,2001"));
    addReading(eur, 0, QStringLiteral("2011-02-03 13:00:00"), {}, QStringLiteral("0,0,0,3000"));

    ChartView page;
    page.resize(900, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *query = child<QPushButton>(&page, "btnQueryGraphic");
    // The exported averages before any query.
    page.exportData();
    QCOMPARE(lastMessage(prompter), QStringLiteral("Info|Please query data first"));

    QCOMPARE(page.tree()->currentItem()->text(0), QStringLiteral("LUMORA LE44A0012345"));
    child<QDateEdit>(&page, "dateEditStart")->setDate(QDate(2011, 2, 1));
    QTest::mouseClick(query, Qt::LeftButton);
    QCOMPARE(page.plot()->title().text(), QStringLiteral("AC Power\n02/01/2011 ~ 02/03/2011\n"));
    auto *bars = static_cast<HistogramItem *>(page.plot()->itemList(QwtPlotItem::Rtti_PlotHistogram).value(0));
    QVERIFY(bars);
    QCOMPARE(bars->intervals().size(), 24);
    QCOMPARE(bars->intervals().at(10).value, 1500.5); // the 10 o'clock readings of both days
    QCOMPARE(bars->intervals().at(10).interval.minValue(), 9.6);
    QCOMPARE(bars->barColour(), QColor(Qt::yellow));
    prompter.setSaveFileName(dir.file(QStringLiteral("chart.csv")));
    page.exportData();
    QCOMPARE(QString::fromUtf8(dir.read(QStringLiteral("chart.csv"))), golden(QStringLiteral("chart-hours.csv")));

    // The bars are drawn where they stand, with gaps of canvas between them.
    QWidget *canvas = page.plot()->canvas();
    const QImage image = canvas->grab().toImage();
    const QwtScaleMap x = page.plot()->canvasMap(QwtPlot::xBottom);
    const QwtScaleMap y = page.plot()->canvasMap(QwtPlot::yLeft);
    const QColor inside = image.pixelColor(qRound(x.transform(13.0)), qRound(y.transform(1500.0)));
    QCOMPARE(inside, QColor(Qt::yellow));
    QVERIFY(image.pixelColor(qRound(x.transform(13.5)), qRound(y.transform(1500.0))) != inside);

    // Days of a month: 31 positions; a period without readings draws zeros without a word.
    const int messages = prompter.messages().size();
    child<QRadioButton>(&page, "rbMonth")->click();
    QVERIFY(!child<QWidget>(&page, "gbYear")->isVisible());
    child<QDateEdit>(&page, "dateEditStart")->setDate(QDate(2010, 4, 1));
    child<QDateEdit>(&page, "dateEditEnd")->setDate(QDate(2010, 4, 30));
    QTest::mouseClick(query, Qt::LeftButton);
    QCOMPARE(bars->intervals().size(), 32);
    QCOMPARE(bars->barColour(), QColor(Qt::green));
    for (const QwtIntervalSample &bar : bars->intervals())
        QCOMPARE(bar.value, 0.0);
    QCOMPARE(prompter.messages().size(), messages);

    // A start after the end, and no inverter chosen.
    child<QDateEdit>(&page, "dateEditStart")->setDate(QDate(2010, 5, 1));
    QTest::mouseClick(query, Qt::LeftButton);
    QCOMPARE(lastMessage(prompter), QStringLiteral("Error|Date range error!"));
    QVERIFY(query->isEnabled());
    child<QDateEdit>(&page, "dateEditStart")->setDate(QDate(2010, 4, 1));
    child<QRadioButton>(&page, "rbYear")->click();
    QVERIFY(child<QWidget>(&page, "gbYear")->isVisible());
    page.tree()->setCurrentItem(page.tree()->topLevelItem(0));
    QTest::mouseClick(query, Qt::LeftButton);
    QCOMPARE(lastMessage(prompter), QStringLiteral("Error|Click some one inverter first."));
}

void TestHistory::debugFilesAtClosingAndAtMidnight()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 2, 3), QTime(23, 58)));
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("S/N LE44A0012345"), 0);
    const int usa1 = addInverter(QStringLiteral("../../LT15"), 303);
    addReading(eur, 0, QStringLiteral("2011-02-03 08:00:00"), {4096, 0, 0, 0}, monitorText(85, 1),
               QStringLiteral("21.5,812"));
    addReading(eur, 0, QStringLiteral("2011-02-02 08:00:00"), {}, monitorText(85, 2)); // yesterday
    addReading(usa1, 303, QStringLiteral("2011-02-03 09:00:00"), {}, monitorText(30, 3));
    const QString eurFile = QStringLiteral("debug/LE44A0012345/2011/2/20110203.csv");
    const QString usa1File = QStringLiteral("debug/.._.._LT15/2011/2/20110203.csv");

    DailyDebugFiles::saveIfDue(false);
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("debug"))));
    clock.advance(60 * 1000);
    DailyDebugFiles::saveIfDue(false);
    QCOMPARE(QString::fromUtf8(dir.read(eurFile)), golden(QStringLiteral("debug-eur.csv")));
    QCOMPARE(QString::fromUtf8(dir.read(usa1File)), golden(QStringLiteral("debug-usa1.csv")));

    // Closing the window writes them at once, whatever the time.
    QDir(dir.file(QStringLiteral("debug"))).removeRecursively();
    clock.setNow(QDateTime(QDate(2011, 2, 3), QTime(15, 0)));
    {
        CMain window;
        window.show();
        // The pages sit in their tabs and answer the window's slots.
        window.jump_view5();
        choose(&window, "cbInverter", QStringLiteral("S/N LE44A0012345"));
        window.queryDataLog();
        QCOMPARE(child<QTableView>(&window, "tableViewDataLog")->model()->rowCount(), 2);
        window.jump_view3();
        QCOMPARE(child<QTreeWidget>(&window, "treeGraphic")->topLevelItem(0)->childCount(), 2);
        prompter.setAnswer(true);
        window.close();
    }
    QCOMPARE(QString::fromUtf8(dir.read(eurFile)), golden(QStringLiteral("debug-eur.csv")));
    // The serial with "../" stays inside debug/.
    QCOMPARE(QDir(dir.file(QStringLiteral("debug"))).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{".._.._LT15", "LE44A0012345"}));
    QCOMPARE(DailyDebugFiles::folderName(QStringLiteral(" .. ")), QStringLiteral("__"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
