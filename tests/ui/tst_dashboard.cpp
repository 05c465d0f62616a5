#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/programstate.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/dialogs/qbackgrounddlg.h"
#include "ui/dialogs/qfontsettings.h"
#include "ui/dialogs/qmainviewconfig.h"
#include "ui/dialogs/qviewsize.h"
#include "ui/views/dashboardview.h"
#include "ui/views/qmylabel.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {
template<typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

QMyLabel *field(const CMain &window, int k)
{
    return window.findChild<QMyLabel *>(QStringLiteral("field%1").arg(k));
}

// The (row, column) of a dashboard field, or (-1, -1) when it is not in the grid.
QPoint cellOf(const CMain &window, int k)
{
    QMyLabel *label = field(window, k);
    auto *grid = qobject_cast<QGridLayout *>(label->parentWidget()->layout());
    const int index = grid->indexOf(label);
    if (index < 0 || label->isHidden())
        return {-1, -1};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return {row, column};
}

QString text(const SettingKey &key)
{
    return AppSettings().text(key);
}

void set(const SettingKey &key, const QString &value)
{
    AppSettings().setValue(key, value);
}

void clickCell(QTableWidget *table, int row, int column)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// The colour in the middle of the Main page's background frame.
QColor pageCentreColour(const CMain &window)
{
    QWidget *widget =
        window.findChild<QWidget *>(QStringLiteral("tab_main"))->findChild<QFrame *>(QStringLiteral("frame"));
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}
} // namespace

class TestDashboard : public QObject
{
    Q_OBJECT

private slots:
    void fieldsTakeTheirSequenceCells();
    void fieldsShowOnlyTheChosenValues();
    void configurationAppliesOnlyWhatIsValid();
    void arrangementSwapsAreStoredInFieldOrder();
    void unreadableFontsAndColoursKeepTheDefaults();
    void backgroundPicturesAnyFileName();
};

void TestDashboard::fieldsTakeTheirSequenceCells()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    // Twelve entries: Sensor 4 has none. Field 2 repeats field 0's cell, field 3 lies outside the grid.
    set(Setting::VIEW_SEQ, QStringLiteral("0,7,0,28,x,2,3,9,10,6,13,20,27"));
    CMain window;
    QCOMPARE(cellOf(window, 0), QPoint(0, 0));
    QCOMPARE(cellOf(window, 1), QPoint(0, 1));
    QCOMPARE(cellOf(window, 2), QPoint(-1, -1));
    QCOMPARE(cellOf(window, 3), QPoint(-1, -1));
    QCOMPARE(cellOf(window, 4), QPoint(2, 0)); // "x" is skipped, not counted
    QCOMPARE(cellOf(window, 10), QPoint(6, 2));
    QCOMPARE(cellOf(window, 11), QPoint(6, 3));
    QCOMPARE(cellOf(window, 12), QPoint(-1, -1));
    // No heights stored yet: the lines keep their default heights instead of vanishing.
    QCOMPARE(child<QFrame>(&window, "titleFrame")->maximumHeight(), 40);
    QCOMPARE(child<QFrame>(&window, "msgFrame")->maximumHeight(), 30);

    // Default Sequence places all thirteen at once.
    QMainViewConfig *config = window.findChild<QMainViewConfig *>();
    QTest::mouseClick(child<QPushButton>(config, "btnDef"), Qt::LeftButton);
    QCOMPARE(text(Setting::VIEW_SEQ), QStringLiteral("0,7,1,8,2,3,9,10,17,6,13,20,27"));
    QCOMPARE(cellOf(window, 2), QPoint(1, 0));
    QCOMPARE(cellOf(window, 8), QPoint(3, 2));
    QCOMPARE(cellOf(window, 12), QPoint(6, 3));
}

void TestDashboard::fieldsShowOnlyTheChosenValues()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO sensor_setting (slave_addr,start_addr,reg_addr,operator,multiplier,"
                                    "header,unit,append_first,lowbyte_first) VALUES (1,1,1,'',0,?,?,0,0)"),
                     {QStringLiteral("Irradiance"), QStringLiteral("W/m²")}),
             0);
    set(Setting::ShowField, QStringLiteral("0,1,3,4,6,7,9,10"));
    set(Setting::VIEW_SEQ, QString::fromLatin1("0,7,1,8,2,3,9,10,17,6,13,20,27"));
    CMain window;
    window.show();
    auto *dashboard = window.findChild<DashboardView *>();
    PlantTotals totals;
    totals.totalPower = 1234.5;
    totals.efficiency = 96.123;
    totals.acPower = 1001.9;
    totals.dcPower = 1043;
    dashboard->showTotals(totals, 2);
    dashboard->showEarning(QStringLiteral("370.35 $"));
    dashboard->showCo2Reduction(QStringLiteral("617.25"));

    QCOMPARE(field(window, 0)->name(), QStringLiteral("Total Yield"));
    QCOMPARE(field(window, 0)->valueText(), QStringLiteral("1234.50 kWh"));
    QCOMPARE(field(window, 1)->valueText(), QStringLiteral("96.12 %"));
    QCOMPARE(field(window, 3)->valueText(), QStringLiteral("617.25 kg"));
    QCOMPARE(field(window, 7)->valueText(), QStringLiteral("500 W"));
    QCOMPARE(field(window, 6)->valueText(), QStringLiteral("521 W"));
    // Not in ShowField: no name, no value, even when values come.
    for (int hidden : {2, 5, 8, 11, 12}) {
        QVERIFY(field(window, hidden)->name().isEmpty());
        QVERIFY(field(window, hidden)->valueText().isEmpty());
    }
    // The sensors show their own header; a field of a sensor not defined stays empty.
    QCOMPARE(field(window, 9)->name(), QStringLiteral("Irradiance"));
    QCOMPARE(field(window, 9)->valueText(), QStringLiteral("0 W/m²"));
    QVERIFY(field(window, 10)->name().isEmpty());

    // No known device: the averages are 0, not a division by zero. Decimal comma.
    ProgramState::instance().numberText().setDecimalComma(true);
    dashboard->showTotals(totals, 0);
    QCOMPARE(field(window, 6)->valueText(), QStringLiteral("0 W"));
    QCOMPARE(field(window, 0)->valueText(), QStringLiteral("1234,50 kWh"));

    // The window forwards totals only while the polling thread runs.
    dashboard->showTotals({}, 1);
    window.update_main_screen(totals);
    QCOMPARE(field(window, 0)->valueText(), QStringLiteral("0,00 kWh"));
}

void TestDashboard::configurationAppliesOnlyWhatIsValid()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    set(Setting::ShowField, QStringLiteral("0,1"));
    CMain window;
    auto *config = window.findChild<QMainViewConfig *>();
    QSignalSpy changes(config, &QMainViewConfig::setting_change);
    config->show();
    auto *apply = child<QPushButton>(config, "btnApply");
    auto *title = child<QLineEdit>(config, "leTitle");
    QVERIFY(!apply->isEnabled());
    QTest::keyClicks(title, QStringLiteral("Solar park"));
    QVERIFY(apply->isEnabled());

    // Cancel drops the edit.
    QTest::mouseClick(child<QPushButton>(config, "btnCancel"), Qt::LeftButton);
    config->show();
    QVERIFY(title->text().isEmpty());
    QVERIFY(!apply->isEnabled());

    // Manual record hours must start before they stop; nothing is stored otherwise.
    QTest::keyClicks(title, QStringLiteral("Solar park"));
    child<QRadioButton>(config, "rbManual")->click();
    child<QSpinBox>(config, "sbStart")->setValue(18);
    child<QSpinBox>(config, "sbStop")->setValue(8);
    child<QCheckBox>(config, "cbField2")->click();
    QTest::mouseClick(child<QPushButton>(config, "btnOK"), Qt::LeftButton);
    QVERIFY(config->isVisible());
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Start/Stop Record Time"));
    QVERIFY(!AppSettings().contains(Setting::leTitle));
    QCOMPARE(changes.count(), 0);

    child<QSpinBox>(config, "sbStop")->setValue(19);
    config->viewSize()->findChild<QSpinBox *>(QStringLiteral("titlePixel"))->setValue(64);
    QTest::mouseClick(child<QPushButton>(config, "btnOK"), Qt::LeftButton);
    QVERIFY(!config->isVisible());
    QCOMPARE(changes.count(), 1);
    QCOMPARE(text(Setting::ShowField), QStringLiteral("0,1,2"));
    QCOMPARE(AppSettings().intValue(Setting::rbAuto), 0);
    QCOMPARE(AppSettings().intValue(Setting::sbStop), 19);
    QCOMPARE(child<QLabel>(&window, "lblTitle")->text(), QStringLiteral("Solar park"));
    QCOMPARE(child<QFrame>(&window, "titleFrame")->maximumHeight(), 64);
    QCOMPARE(field(window, 2)->name(), QStringLiteral("Earning"));

    // Default shows the plant fields, hides the sensors and applies at once.
    config->show();
    QTest::mouseClick(child<QPushButton>(config, "btnDefault"), Qt::LeftButton);
    QCOMPARE(text(Setting::ShowField), QStringLiteral("0,1,2,3,4,5,6,7,8"));
}

void TestDashboard::arrangementSwapsAreStoredInFieldOrder()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    set(Setting::VIEW_SEQ, QStringLiteral("0,7,1,8,2,2,9,10,6,13,20,27"));
    AppSettings().setValue(Setting::rbAuto, 1);
    CMain window;
    auto *config = window.findChild<QMainViewConfig *>();
    config->show();
    auto *table = child<QTableWidget>(config, "tableSeq");
    QVERIFY(QTest::qWaitForWindowExposed(config));
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Total Yield"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Earning"));

    // Total Yield moves onto Efficiency's cell and on to an empty one.
    clickCell(table, 0, 0);
    clickCell(table, 0, 1);
    clickCell(table, 4, 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Efficiency"));
    QCOMPARE(table->item(4, 3)->text(), QStringLiteral("Total Yield"));
    QTest::mouseClick(child<QPushButton>(config, "btnApply"), Qt::LeftButton);
    // Field 5 shared a cell and field 12 had none: each keeps its place with a cell outside the grid.
    QCOMPARE(text(Setting::VIEW_SEQ), QStringLiteral("25,0,1,8,2,-1,9,10,6,13,20,27,-1"));
    QCOMPARE(cellOf(window, 0), QPoint(4, 3));
    QCOMPARE(cellOf(window, 1), QPoint(0, 0));
}

void TestDashboard::unreadableFontsAndColoursKeepTheDefaults()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    set(Setting::HEADER_FONT, QStringLiteral("DejaVu Sans,75,bold,0"));
    set(Setting::HEADER_RGB, QStringLiteral("255,255"));
    set(Setting::VIEW_RGB, QStringLiteral("300,0,0"));
    set(Setting::MSG_RGB, QStringLiteral("0,128,255"));
    CMain window;
    window.show();
    auto *title = child<QLabel>(&window, "lblTitle");
    const QFont defaultTitle = title->font();
    QCOMPARE(defaultTitle.pointSize(), 20);
    QVERIFY(title->styleSheet().isEmpty());
    QVERIFY(field(window, 0)->findChild<QLabel *>()->styleSheet().isEmpty());
    QCOMPARE(child<QLabel>(&window, "lblMessage")->styleSheet(), QStringLiteral("color: rgb(0, 128, 255);"));

    // Chosen through the dialog: stored in four parts and applied.
    auto *fonts = window.findChild<QFontSettings *>();
    fonts->show();
    QFont chosen(QStringLiteral("DejaVu Serif"), 31, QFont::Bold);
    chosen.setItalic(true);
    prompter.setFontChoice(chosen.toString());
    QTest::mouseClick(child<QPushButton>(fonts, "btnHeader"), Qt::LeftButton);
    QCOMPARE(prompter.choicesOffered().value(0), defaultTitle.toString());
    QCOMPARE(text(Setting::HEADER_FONT), QStringLiteral("DejaVu Serif,75,31,1"));
    QCOMPARE(title->font().pointSize(), 31);
    QCOMPARE(child<QLabel>(fonts, "lblSample1")->font().pointSize(), 31);
    window.loadFont();
    QVERIFY(title->font().italic());

    prompter.setColorChoice(QStringLiteral("#ffcc00"));
    QTest::mouseClick(child<QPushButton>(fonts, "colorView"), Qt::LeftButton);
    QCOMPARE(text(Setting::VIEW_RGB), QStringLiteral("255,204,0"));
    QCOMPARE(field(window, 12)->findChild<QLabel *>()->styleSheet(), QStringLiteral("color: rgb(255, 204, 0);"));
}

void TestDashboard::backgroundPicturesAnyFileName()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    const QString name = QStringLiteral("plant (south)) 'roof' \"2\";}.png");
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.file(QStringLiteral("source.png"))));
    QVERIFY(QFile::copy(dir.file(QStringLiteral("source.png")), dir.file(name)));

    CMain window;
    window.resize(1280, 800);
    window.show();
    auto *pictures = window.findChild<QBackgroundDlg *>();
    pictures->show();
    prompter.setOpenFileName(dir.file(name));
    QTest::mouseClick(child<QPushButton>(pictures, "btnAdd"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(pictures, "btnAdd"), Qt::LeftButton);
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(prompter.messages().last().text, QStringLiteral("This file name exists already."));
    prompter.setOpenFileName(dir.file(QStringLiteral("source.png")));
    QTest::mouseClick(child<QPushButton>(pictures, "btnAdd"), Qt::LeftButton);

    auto *list = child<QListWidget>(pictures, "listGraphic");
    QCOMPARE(list->count(), 2);
    QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QVERIFY(child<QPushButton>(pictures, "btnApply")->isEnabled());
    QTest::mouseClick(child<QPushButton>(pictures, "btnOK"), Qt::LeftButton);
    QCOMPARE(text(Setting::BK_IMG), name);
    QCOMPARE(pageCentreColour(window), QColor(Qt::red));

    // The picture in use stays; another one can go.
    pictures->show();
    QTest::mouseClick(child<QPushButton>(pictures, "btnDel"), Qt::LeftButton);
    QVERIFY(QFile::exists(dir.file(QStringLiteral("background/") + name)));
    list->setCurrentItem(list->findItems(QStringLiteral("source.png"), Qt::MatchExactly).value(0));
    QTest::mouseClick(child<QPushButton>(pictures, "btnDel"), Qt::LeftButton);
    QVERIFY(!QFile::exists(dir.file(QStringLiteral("background/source.png"))));
    QCOMPARE(list->count(), 1);

    // Clear Background: no picture, and none at the next start either.
    QTest::mouseClick(child<QPushButton>(pictures, "btnClear"), Qt::LeftButton);
    QVERIFY(text(Setting::BK_IMG).isEmpty());
    QVERIFY(pageCentreColour(window) != QColor(Qt::red));
}

QTEST_MAIN(TestDashboard)
#include "tst_dashboard.moc"
