#include "app/startup.h"
#include "db/database.h"
#include "db/historyfill.h"
#include "db/historyschema.h"
#include "support/golden.h"
#include "support/historyrows.h"
#include "support/manualclock.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/views/chartview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/histogramitem.h"
#include "ui/views/qmytreewidget.h"

#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <sqlite3.h>

using namespace HistoryRows;

namespace {

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

class TestHistoryPages : public QObject
{
    Q_OBJECT

private slots:
    void eventListQueryExplanationAndExport();
    void dataLogColumnsFamiliesAndExport();
    void chartPageDrawsAndExports();
    void closingWritesTheDebugFiles();
    void summaryMadeBehindTheWindow();
};

void TestHistoryPages::eventListQueryExplanationAndExport()
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

    EventListView page(prompter);
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
    COMPARE_GOLDEN("history/events.csv", QString::fromUtf8(dir.read(QStringLiteral("events.csv"))));
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

void TestHistoryPages::dataLogColumnsFamiliesAndExport()
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

    DataLogView page(prompter);
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
    COMPARE_GOLDEN("history/datalog.csv", QString::fromUtf8(dir.read(QStringLiteral("log.csv"))));

    choose(&page, "cbMonth", QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(&page, "btnQueryDataLog"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(lastMessage(prompter), QStringLiteral("info|No data found!"));
}

// A database of an earlier installation gets its summary behind the window:
// while another program holds the file the summary cannot be made, yet the
// start-up and the window are done; it is made once the file is free.
void TestHistoryPages::summaryMadeBehindTheWindow()
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

void TestHistoryPages::chartPageDrawsAndExports()
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

    ChartView page(prompter);
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
    COMPARE_GOLDEN("history/chart-hours.csv", QString::fromUtf8(dir.read(QStringLiteral("chart.csv"))));

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

void TestHistoryPages::closingWritesTheDebugFiles()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 2, 3), QTime(15, 0)));
    ScriptedPrompter prompter;
    const int eur = addInverter(QStringLiteral("S/N LE44A0012345"), 0);
    addReading(eur, 0, QStringLiteral("2011-02-03 08:00:00"), {4096, 0, 0, 0}, monitorText(85, 1),
               QStringLiteral("21.5,812"));
    addReading(eur, 0, QStringLiteral("2011-02-02 08:00:00"), {}, monitorText(85, 2)); // yesterday
    {
        CMain window;
        window.show();
        // The pages sit in their tabs and answer the window's slots.
        window.jump_view5();
        choose(&window, "cbInverter", QStringLiteral("S/N LE44A0012345"));
        window.queryDataLog();
        QCOMPARE(child<QTableView>(&window, "tableViewDataLog")->model()->rowCount(), 2);
        window.jump_view3();
        QCOMPARE(child<QTreeWidget>(&window, "treeGraphic")->topLevelItem(0)->childCount(), 1);
        // Before 23:59 nothing is written but at closing, whatever the time.
        window.saveDebug();
        QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("debug"))));
        prompter.setAnswer(true);
        window.close();
    }
    COMPARE_GOLDEN("history/debug-eur.csv",
                   QString::fromUtf8(dir.read(QStringLiteral("debug/LE44A0012345/2011/2/20110203.csv"))));
}

QTEST_MAIN(TestHistoryPages)
#include "tst_historypages.moc"
