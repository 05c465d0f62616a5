#include "tst_realtimepage.h"

#include "device/statetables.h"
#include "monitor/programstate.h"
#include "plantfixture.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/dialogs/linehealthdialog.h"
#include "ui/views/keyparametersview.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimeview.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

using namespace PlantFixture;

namespace {

// The filled rows of a two-column table: label -> value, in order.
QList<QPair<QString, QString>> rows(const QTableWidget *table)
{
    QList<QPair<QString, QString>> filled;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString label = table->item(row, 0) ? table->item(row, 0)->text() : QString();
        const QString value = table->item(row, 1) ? table->item(row, 1)->text() : QString();
        if (!label.isEmpty() || !value.isEmpty())
            filled << qMakePair(label, value);
    }
    return filled;
}

QStringList labels(const QTableWidget *table)
{
    QStringList names;
    for (const auto &row : rows(table))
        names << row.first;
    return names;
}

QString valueOf(const QTableWidget *table, const QString &label)
{
    for (const auto &row : rows(table)) {
        if (row.first == label)
            return row.second;
    }
    return QStringLiteral("(none)");
}

// Counts of 200 exchanges, `right` of them right on the first try, the others after a retry.
LinkStats linkStats(const LineDevice &device, qint64 right)
{
    LinkStats stats;
    stats.device = device;
    stats.counts.exchanges = 200;
    stats.counts.firstTry = right;
    stats.counts.retriedOk = 200 - right;
    stats.counts.timeouts = 1;
    stats.counts.crcErrors = 2 * (200 - right);
    stats.counts.shortReplies = 2;
    stats.counts.wrongLength = 1;
    stats.roundTripLastMs = 13.24;
    stats.roundTripMeanMs = 13.61;
    stats.roundTripP95Ms = 15;
    return stats;
}

void clickItem(QMyTreeWidget *tree, const QString &text)
{
    QTreeWidgetItem *item = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(item);
    emit tree->itemClicked(item, 0);
}

} // namespace

void TestRealTimePage::rowsAndValuesPerFamily()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    QList<DeviceRecord> records = {record(1, "S/N USA1", 303), record(2, "S/N EUR3", 0, 460),
                                   record(3, "S/N EUR2", 0, 440), record(4, "S/N USA0", 203)};
    for (const DeviceRecord &device : records)
        addInverter(device.sn_name, device.addr, true);
    DeviceRecord &eur = records[1];
    setWord(eur, 206, 65526);
    setWord(eur, 193, 65526);
    setWord(eur, 204, 2048);
    setWord(eur, 195, 5002);
    setWord(eur, 209, 1);
    setWord(eur, 210, 2);
    setWord(eur, 211, 3);
    setWord(eur, 217, 215);
    eur.state_code = 50;
    eur.err1 = 0x0001;
    eur.err3 = 0x0003;
    RealTimeTab tab;
    RealTimeView &view = tab.view;
    QSignalSpy todayEnergy(&view, &RealTimeView::todayEnergyShown);
    view.refresh(snapshot(records));
    auto *table = view.findChild<QTableWidget *>(QStringLiteral("tbParameter"));

    clickItem(view.tree(), "LUMORA S/N USA1");
    QCOMPARE(rows(table).size(), 33);
    QCOMPARE(labels(table).mid(0, 3), (QStringList{"Pac", "Pdc", "Vpv_A"}));
    QCOMPARE(labels(table).last(), QStringLiteral("Ton_total_Sec"));

    clickItem(view.tree(), "LUMORA S/N EUR3");
    QCOMPARE(rows(table).size(), 22); // the 33 rows before leave nothing behind
    QCOMPARE(table->rowCount(), 50);
    QCOMPARE(valueOf(table, "TempHS"), QStringLiteral("-1 C"));
    QCOMPARE(valueOf(table, "Pac"), QStringLiteral("65526 W"));
    QCOMPARE(valueOf(table, "TIME_ON_TODAY"), QStringLiteral("1 H"));
    QCOMPARE(valueOf(table, "Total Output Time"), QStringLiteral("01:02:03"));
    QCOMPARE(view.findChild<QLineEdit *>(QStringLiteral("textStatusCode"))->text(), stateName(0, 50));
    QCOMPARE(view.findChild<QListWidget *>(QStringLiteral("listErr1"))->count(), 1);
    QCOMPARE(view.findChild<QListWidget *>(QStringLiteral("listErr2"))->count(), 0);
    QCOMPARE(view.findChild<QListWidget *>(QStringLiteral("listErr3"))->count(), 2);
    QCOMPARE(view.findChild<QLineEdit *>(QStringLiteral("leDSP1Ver"))->text(), QStringLiteral("2.14"));
    QCOMPARE(todayEnergy.last().value(0).toDouble(), 21.5); // the dashboard's kWh, from tenths

    ProgramState::instance().numberText().setDecimalComma(true);
    view.showRealtimeData();
    QCOMPARE(valueOf(table, "Fac"), QStringLiteral("50,02 Hz"));

    clickItem(view.tree(), "LUMORA S/N EUR2");
    QCOMPARE(rows(table).size(), 19);
    QCOMPARE(view.findChild<QLineEdit *>(QStringLiteral("leDSP1Ver"))->text(), QStringLiteral("2.14")); // a version
    for (const char *string : {"PpvA", "PpvC", "VpvA", "VpvC", "IpvA", "IpvC"})
        QVERIFY(labels(table).contains(QLatin1String(string)));
    for (const char *string : {"PpvB", "VpvB", "IpvB"})
        QVERIFY(!labels(table).contains(QLatin1String(string)));
    QCOMPARE(view.findChild<QListWidget *>(QStringLiteral("listErr3"))->count(), 0);

    clickItem(view.tree(), "LUMORA S/N USA0");
    QCOMPARE(rows(table).size(), 16);
    QCOMPARE(labels(table).filter(QRegularExpression(QStringLiteral("^[PVI]pv"))),
             (QStringList{"PpvA", "VpvA", "IpvA"}));
}

void TestRealTimePage::offlineInvertersShowOnlyTheirInformation()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    addInverter(QStringLiteral("S/N OFF"), 1, false);
    addInverter(QStringLiteral("S/N ON"), 2, true);
    addInverter(QStringLiteral("S/N FAILING"), 3, true); // the row is not yet marked offline
    DeviceRecord failing = record(3, QStringLiteral("S/N FAILING"), 0);
    failing.fail_count = 3;
    int passwordAsked = 0;
    bool passwordRight = false;
    RealTimeTab tab([&] {
        ++passwordAsked;
        return passwordRight;
    });
    RealTimeView &view = tab.view;
    view.refresh(snapshot({record(1, QStringLiteral("S/N OFF"), 0), record(2, QStringLiteral("S/N ON"), 0), failing}));
    auto *pages = view.findChild<QTabWidget *>(QStringLiteral("realTimeSubTab"));
    QVERIFY(!pages->isEnabled());
    auto tryPages = [pages] {
        QList<int> stayed;
        for (int page : {1, 2, 1}) {
            pages->setCurrentIndex(page);
            stayed << pages->currentIndex();
        }
        return stayed;
    };

    for (const char *offline : {"LUMORA S/N OFF", "LUMORA S/N FAILING"}) {
        clickItem(view.tree(), QLatin1String(offline));
        QVERIFY(pages->isEnabled());
        QCOMPARE(tryPages(), (QList<int>{0, 0, 0}));
    }
    QCOMPARE(view.selectedAddress(), 3);
    QCOMPARE(view.findChild<QLineEdit *>(QStringLiteral("leDeviceSN"))->text(), QStringLiteral("S/N FAILING"));
    QCOMPARE(passwordAsked, 0);

    clickItem(view.tree(), "LUMORA S/N OFF");
    QCOMPARE(view.selectedAddress(), 0);
    clickItem(view.tree(), "LUMORA S/N ON");
    QCOMPARE(view.selectedAddress(), 2);
    QCOMPARE(tryPages(), (QList<int>{1, 0, 1})); // a wrong password
    passwordRight = true;
    QCOMPARE(tryPages(), (QList<int>{1, 2, 1}));
    pages->setCurrentIndex(2);
    QCOMPARE(passwordAsked, 3); // every time the page is entered

    clickItem(view.tree(), "UnGrouped");
    QCOMPARE(view.selectedAddress(), 0);
    QVERIFY(!pages->isEnabled());
    QCOMPARE(view.findChild<QLineEdit *>(QStringLiteral("leDeviceSN"))->text(), QString());
}

void TestRealTimePage::windowHoldsAndForwardsToThePages()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    addInverter(QStringLiteral("S/N ON"), 2, true);
    CMain window;
    // A cycle's records, as the monitor control hands them on.
    const DeviceSnapshot devices = snapshot({record(2, QStringLiteral("S/N ON"), 0)});
    window.findChild<RealTimeView *>()->refresh(devices);
    window.findChild<KeyParametersView *>()->refresh(devices);
    auto *tree = window.findChild<QMyTreeWidget *>(QStringLiteral("treeInverters"));
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("realTimeSubTab"));
    auto *keyTable = window.findChild<QTableWidget *>(QStringLiteral("table_key_para"));
    QVERIFY(tree && pages && keyTable && window.findChild<QTableWidget *>(QStringLiteral("table_para")) &&
            window.findChild<QComboBox *>(QStringLiteral("cb4")));
    QVERIFY(tree->isVisibleTo(window.findChild<QWidget *>(QStringLiteral("tab_realtime_data"))));

    clickItem(tree, "LUMORA S/N ON");
    QCOMPARE(rows(window.findChild<QTableWidget *>(QStringLiteral("tbParameter"))).size(), 19);
    pages->setCurrentIndex(RealTimeView::RealTimePage);
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(CMain::KeyParametersTab);
    QCOMPARE(pages->currentIndex(), int(RealTimeView::InformationPage));
    window.display_key_parameters();
    QCOMPARE(keyTable->rowCount(), 1);
}

void TestRealTimePage::lineHealthOfTheInverterAndOfTheLine()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    // Offline now: the information page still tells why.
    addInverter(QStringLiteral("S/N WEAK"), 2, false);
    DeviceRecord weak = record(2, QStringLiteral("S/N WEAK"), 0);
    weak.fail_count = 3;
    weak.link = linkStats(LineDevice::inverter(2), 188);
    CMain window;
    window.findChild<RealTimeView *>()->refresh(snapshot({weak}));
    clickItem(window.findChild<QMyTreeWidget *>(QStringLiteral("treeInverters")), "LUMORA S/N WEAK");
    QStringList fields;
    for (const char *name : {"leLinkQuality", "leExchanges", "leTimeouts", "leCrcErrors", "leShortReplies",
                             "leWrongReplies", "leRoundTrip"})
        fields << window.findChild<QLineEdit *>(QLatin1String(name))->text();
    QCOMPARE(fields, (QStringList{"94.0 %", "200 (188 right on the first try, 12 after a retry)", "1", "24", "2",
                                  "0 / 0 / 1", "13.2 ms; mean 13.6 ms, 95 % within 15.0 ms"}));
    QVERIFY(!window.findChild<QLineEdit *>(QStringLiteral("leLinkQuality"))->styleSheet().isEmpty()); // marked

    // The whole line in its window: sorted as the user chooses, the weak device marked.
    window.findChild<QAction *>(QStringLiteral("actionLine_health"))->trigger();
    auto *dialog = window.findChild<LineHealthDialog *>(QStringLiteral("LineHealthDialog"));
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tableLineHealth"));
    QCOMPARE(table->rowCount(), 0); // nothing polled yet
    const LineHealthReport report = {linkStats(LineDevice::inverter(1), 200), linkStats(LineDevice::inverter(2), 188),
                                     linkStats(LineDevice::sensor(2), 191)};
    dialog->showReport(report, {{1, QStringLiteral("S/N GOOD")}, {2, QStringLiteral("S/N WEAK")}});
    auto column = [table](int c) {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, c)->text();
        return texts;
    };
    QCOMPARE(column(LineHealthDialog::DeviceColumn),
             (QStringList{"Inverter 1\nS/N GOOD", "Inverter 2\nS/N WEAK", "Sensor 2"}));
    QCOMPARE(column(LineHealthDialog::QualityColumn), (QStringList{"100.0", "94.0", "95.5"}));
    QCOMPARE(column(LineHealthDialog::CrcColumn), (QStringList{"0", "24", "18"}));
    QCOMPARE(column(LineHealthDialog::WrongColumn), (QStringList{"0 / 0 / 1", "0 / 0 / 1", "0 / 0 / 1"}));
    QCOMPARE(column(LineHealthDialog::RoundTripColumn).first(), QStringLiteral("13.2 / 13.6 / 15.0"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(table->item(row, LineHealthDialog::ShortColumn)->background() != QBrush(), row == 1);
    QVERIFY(!table->item(1, LineHealthDialog::DeviceColumn)->icon().isNull());
    table->horizontalHeader()->setSortIndicator(LineHealthDialog::QualityColumn, Qt::AscendingOrder);
    dialog->showReport(report, {});
    QCOMPARE(column(LineHealthDialog::DeviceColumn), (QStringList{"Inverter 2", "Sensor 2", "Inverter 1"}));
}

void TestKeyParameters::valuesAndPseudoCodesPerFamily()
{
    TempAppDir dir;
    DeviceRecord eur = record(1, QStringLiteral("S/N EUR"), 0);
    DeviceRecord usa1 = record(2, QStringLiteral("S/N USA1"), 400);
    DeviceRecord usa0 = record(3, QStringLiteral("S/N USA0"), 3);
    for (DeviceRecord *device : {&eur, &usa1, &usa0}) {
        for (int reg = 186; reg <= 195; ++reg)
            setWord(*device, reg, quint16(reg * 10));
    }
    usa1.ac_power = 14500;
    eur.fail_count = 3;
    usa0.state_code = 60;
    KeyParametersView view(ProgramState::instance().numberText());
    auto *table = view.findChild<QTableWidget *>(QStringLiteral("table_key_para"));
    auto *cb0 = view.findChild<QComboBox *>(QStringLiteral("cb0"));
    auto *cb2 = view.findChild<QComboBox *>(QStringLiteral("cb2"));
    auto *cb4 = view.findChild<QComboBox *>(QStringLiteral("cb4"));
    QCOMPARE(cb0->count(), 24);
    cb0->setCurrentText(QStringLiteral("Vac_L1")); // a phase value keeps the title "Pac"
    cb4->setCurrentText(QStringLiteral("PpvA"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Pac"));
    QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("PpvA"));
    view.refresh(snapshot({eur, usa1, usa0}));

    auto row = [table](int r) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << table->item(r, column)->text();
        return cells;
    };
    // Vac_L1, Pdc, Fac, VpvA, PpvA
    QCOMPARE(row(0), (QStringList{"LUMORA S/N EUR", "", "0 W", "19.5 Hz", "186 V", "1890 W"}));
    QCOMPARE(row(1), (QStringList{"LUMORA S/N USA1", "192 V", "0 W", "0 Hz", "186 V", "1900 W"}));
    QCOMPARE(row(2), (QStringList{"LUMORA S/N USA0", "", "0 W", "19.5 Hz", "186 V", "1890 W"}));
    cb0->setCurrentText(QStringLiteral("VpvB"));
    cb4->setCurrentText(QStringLiteral("Pac"));
    QCOMPARE(row(0).value(1), QStringLiteral("187 V"));
    QCOMPARE(row(1).value(5), QStringLiteral("14500 W"));
    QCOMPARE(row(2).value(1), QStringLiteral("0 V")); // one string only
    // The link quality of the line, once it has been asked.
    eur.link = linkStats(LineDevice::inverter(1), 189);
    view.refresh(snapshot({eur, usa1, usa0}));
    cb2->setCurrentText(QStringLiteral("Link quality"));
    QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("Link quality"));
    QCOMPARE(row(0).value(3), QStringLiteral("94.5 %"));
    QCOMPARE(row(1).value(3), QString());
    QCOMPARE(table->item(0, 0)->background().color(), QColor(Qt::red));
    QCOMPARE(table->item(1, 0)->background().color(), QColor(Qt::green));
    QCOMPARE(table->item(2, 0)->background().color(), QColor(Qt::yellow));
}

void TestKeyParameters::redrawKeepsSortOrderAndCurrentRow()
{
    TempAppDir dir;
    QList<DeviceRecord> records;
    for (int address : {1, 2, 3}) {
        records << record(address, QStringLiteral("S/N %1").arg(address), 0);
        setWord(records.last(), 193, quint16(QList<int>{900, 1000, 80}.at(address - 1)));
    }
    KeyParametersView view(ProgramState::instance().numberText());
    view.show();
    auto *table = view.findChild<QTableWidget *>(QStringLiteral("table_key_para"));
    view.refresh(snapshot(records));
    auto firstColumn = [table] {
        QStringList names;
        for (int r = 0; r < table->rowCount(); ++r)
            names << table->item(r, 0)->text().right(1) + QLatin1Char(':') + table->item(r, 1)->text();
        return names;
    };
    QCOMPARE(firstColumn(), (QStringList{"1:900 W", "2:1000 W", "3:80 W"}));

    table->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder); // as a click on the title does
    table->setCurrentCell(2, 3);
    const QStringList sorted = {"2:1000 W", "1:900 W", "3:80 W"};
    QCOMPARE(firstColumn(), sorted);
    records[2].brand_name = QStringLiteral("OTHER");
    view.refresh(snapshot(records));
    QCOMPARE(firstColumn(), sorted);
    QCOMPARE(table->currentRow(), 2);
    QCOMPARE(table->currentColumn(), 3);
    QCOMPARE(table->item(2, 0)->text(), QStringLiteral("OTHER S/N 3"));
}
