#include "ui/cmain.h"

#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/clock.h"
#include "base/prompter.h"
#include "db/database.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/qpollingthread.h"
#include "ui/dailydebugfiles.h"
#include "ui/dataexporter.h"
#include "ui/dialogs/comportfrm.h"
#include "ui/dialogs/qabout.h"
#include "ui/dialogs/qalarmconfig.h"
#include "ui/dialogs/qbackgrounddlg.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/dialogs/qfontsettings.h"
#include "ui/dialogs/qmainviewconfig.h"
#include "ui/dialogs/qpassword.h"
#include "ui/dialogs/qsensorsettings.h"
#include "ui/dialogs/searchinverterfrm.h"
#include "ui/languagemenus.h"
#include "ui/monitorcontrol.h"
#include "ui/qprogresswin.h"
#include "ui/views/chartview.h"
#include "ui/views/dashboardview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/keyparametersview.h"
#include "ui/views/parameterview.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimedisplay.h"
#include "ui/views/realtimeview.h"
#include "ui_cmain.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <qwt_plot.h>

// The icons live in a static library: their resource is registered by hand.
static void initIconResources()
{
    Q_INIT_RESOURCE(lumora_icons);
}

namespace {
const Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint;

const char *const kProgressStyle =
    "#QProgessClass{background-color: qlineargradient(spread:pad, x1:1, y1:0.517045, x2:0, y2:0.466, "
    "stop:0 rgba(0, 130, 255, 255), stop:1 rgba(255, 255, 255, 255));}";

Prompter &prompter()
{
    return ProgramState::instance().prompter();
}
} // namespace

CMain::CMain(QWidget *parent, MonitoringSession *session)
    : QMainWindow(parent)
    , m_ownSession(session ? nullptr : std::make_unique<MonitoringSession>())
    , m_session(session ? session : m_ownSession.get())
    , m_ui(new Ui::CMainClass)
    , m_pageOutput(this)
{
    initIconResources();
    m_ui->setupUi(this);
    createDialogs();
    createStatusBar();

    m_debugSaveTimer.setInterval(60000);
    connect(&m_debugSaveTimer, &QTimer::timeout, this, &CMain::saveDebug);
    m_debugSaveTimer.start();
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &CMain::showCurrDateTime);
    m_clockTimer.start();

    m_languages = std::make_unique<LanguageMenus>(this, m_ui->menuLanguage, m_ui->toolBarRight,
                                                  AppSettings().intValue(Setting::LANG, 0));
    connect(m_languages->menuGroup(), &QActionGroup::triggered, this, &CMain::changeLanguageForMenu);
    connect(m_languages->toolBarGroup(), &QActionGroup::triggered, this, &CMain::languageChangeForToolBar);

    createContextMenus();
    createDashboard();
    createPages();
    createHistoryViews();
    createMonitorControl();
    connectActions();
    m_ui->tabWidget->setCurrentIndex(MainTab);
    m_ui->actionExportData->setEnabled(false);
}

CMain::~CMain()
{
    // The monitor control detaches from the session as it goes; it must go
    // before the session this window may own.
    delete m_monitor;
}

void CMain::createDialogs()
{
    m_alarmConfig = new QalarmConfig(this);
    m_mainViewConfig = new QMainViewConfig(this);
    m_searchInverters = new SearchInverterFrm(this);
    m_comPort = new COMPortFrm(this);
    m_about = new QAbout(this);
    m_progress = new QProgressWin(this);
    m_background = new QBackgroundDlg(this);
    m_sensorSettings = new QSensorSettings(this);
    m_password = new QPassword(true, this);
    m_configWizard = new QConfigWizard(this);
    m_fontSettings = new QFontSettings(this);

    // The progress window keeps its own frameless look.
    for (QDialog *dialog :
         std::initializer_list<QDialog *>{m_alarmConfig, m_mainViewConfig, m_searchInverters, m_comPort, m_about,
                                          m_background, m_sensorSettings, m_password, m_configWizard, m_fontSettings})
        dialog->setWindowFlags(kDialogFlags);
    m_progress->setStyleSheet(QString::fromLatin1(kProgressStyle));
}

void CMain::createDashboard()
{
    const Ui::CMainClass &ui = *m_ui;
    m_dashboard = new DashboardView({ui.frame, ui.titleFrame, ui.lblTitle, ui.msgFrame, ui.lblMessage, ui.rightTopLabel}, this);
    ui.dashboardLayout->addWidget(m_dashboard);
    m_fontSettings->setDashboard(m_dashboard);
}

void CMain::createStatusBar()
{
    m_stateLabel = new QLabel(tr("Not ready"), this);
    m_stateLabel->setObjectName(QStringLiteral("stateLabel"));
    m_aliveLabel = new QLabel(aliveText(0), this);
    m_aliveLabel->setObjectName(QStringLiteral("aliveLabel"));
    statusBar()->addPermanentWidget(m_stateLabel);
    statusBar()->insertPermanentWidget(0, m_aliveLabel);
}

void CMain::createContextMenus()
{
    m_mainPageMenu = new QMenu(this);
    m_mainPageMenu->setObjectName(QStringLiteral("mainPageMenu"));
    m_mainPageMenu->addActions(
        {m_ui->actionMain_view_configuration, m_ui->actionBackground_Graphics, m_ui->actionFont_Settings});
    m_mainPageMenu->addSeparator();
    m_mainPageMenu->addActions({m_ui->actionExport_JPG, m_ui->actionPrint});

    m_pageMenu = new QMenu(this);
    m_pageMenu->setObjectName(QStringLiteral("pageMenu"));
    m_pageMenu->addActions({m_ui->actionExport_JPG, m_ui->actionPrint});
}

void CMain::createMonitorControl()
{
    const Ui::CMainClass &ui = *m_ui;
    MonitorControl::Widgets widgets;
    widgets.window = this;
    widgets.tabs = ui.tabWidget;
    widgets.stateLabel = m_stateLabel;
    widgets.rightTopLabel = ui.rightTopLabel;
    widgets.rightTopIcon = ui.rightTopIcon;
    widgets.progress = m_progress;
    widgets.search = m_searchInverters;
    widgets.start = ui.actionStart;
    widgets.stop = ui.actionStop;
    widgets.sensorSettings = ui.actionSensor_Settings;
    widgets.configurationWizard = ui.actionConfiguration_Wizard;
    widgets.comPort = ui.actionCOM_port;
    widgets.searchInverters = ui.actionSearch_Inverters;
    m_monitor = new MonitorControl(widgets, *m_session, this);

    // The threads' signals arrive queued.
    connect(m_session, &MonitoringSession::cycleFinished, this, &CMain::every_polling);
    connect(m_session, &MonitoringSession::waitModeEntered, this, &CMain::wait_mode_handler);
    connect(m_monitor, &MonitorControl::aliveCountChanged, this, &CMain::set_alive_num);
    connect(&m_monitor->autoSearchTimer(), &QTimer::timeout, this, &CMain::autoSearchHandler);
    connect(m_searchInverters, &SearchInverterFrm::s_search_end, this, &CMain::t_search_end);

    QDisplayThread &totals = m_monitor->totalsThread();
    connect(&totals, &QDisplayThread::display_value, this, &CMain::update_main_screen);
    connect(&totals, &QDisplayThread::inverter_alive, this, &CMain::set_alive_num);
    connect(&totals, &QDisplayThread::display_earning, this, &CMain::display_earning);
    connect(&totals, &QDisplayThread::dispaly_co2Reduction, this, &CMain::dispaly_co2Reduction);
    connect(this, &CMain::display_change, &totals, &QDisplayThread::loadSetting);
    connect(m_alarmConfig, &QalarmConfig::mail_setting_change, this, &CMain::mail_change);

    // The pages' parts in the steps of monitoring.
    MonitorControl::PageHooks &hooks = m_monitor->pageHooks();
    hooks.loadSensorHeaders = [this] { m_dashboard->refreshSensorFields(); };
    hooks.refreshChartTree = [this] { m_chartView->refreshTree(); };
    hooks.rebuildTree = [this] { build_group_inverter(); };
    hooks.refreshKeyParameters = [this] { display_key_parameters(); };
    hooks.refreshRealTime = [this] { m_realTime->pollingCycleDone(); };
    hooks.refreshSensorFields = [this] { m_dashboard->refreshSensorFields(); };
    hooks.waitModeEntered = [this] { m_realTime->parameterView()->waitModeHandler(); };
}

void CMain::createPages()
{
    m_realTime = new RealTimeView(
        m_progress, [this] { return m_password->exec() == QDialog::Accepted; }, m_ui->tab_realtime_data);
    m_ui->realTimePageLayout->addWidget(m_realTime);
    m_keyParameters = new KeyParametersView(m_ui->tab_key_parameters);
    m_ui->keyParametersPageLayout->addWidget(m_keyParameters);
}

void CMain::createHistoryViews()
{
    m_chartView = new ChartView(m_ui->tab_graphical_analysis);
    m_ui->chartPageLayout->addWidget(m_chartView);
    m_eventListView = new EventListView(m_ui->tab_event_list);
    m_ui->eventListPageLayout->addWidget(m_eventListView);
    m_dataLogView = new DataLogView(m_ui->tab_data_logging);
    m_ui->dataLogPageLayout->addWidget(m_dataLogView);
    setDataExporter(ChartTab, m_chartView);
    setDataExporter(EventListTab, m_eventListView);
    setDataExporter(DataLogTab, m_dataLogView);
}

void CMain::connectActions()
{
    const Ui::CMainClass &ui = *m_ui;
    connect(ui.actionStart, &QAction::triggered, this, &CMain::start_monitor);
    connect(ui.actionStop, &QAction::triggered, this, &CMain::stop_monitor);
    connect(ui.actionSearch_Inverters, &QAction::triggered, this, &CMain::menu_search_inverter);
    connect(ui.actionCOM_port, &QAction::triggered, this, &CMain::menu_com_setting);
    connect(ui.actionAlarm, &QAction::triggered, this, &CMain::menu_alarm);
    connect(ui.actionMain_view_configuration, &QAction::triggered, this, &CMain::menu_mainViewConfig);
    connect(ui.actionAbout, &QAction::triggered, this, &CMain::show_about);
    connect(ui.actionExit, &QAction::triggered, this, &CMain::menu_exit);
    connect(ui.actionMain, &QAction::triggered, this, &CMain::jump_view0);
    connect(ui.actionReal_time_data, &QAction::triggered, this, &CMain::jump_view1);
    connect(ui.actionKey_parameters, &QAction::triggered, this, &CMain::jump_view2);
    connect(ui.actionGraphical_analysis, &QAction::triggered, this, &CMain::jump_view3);
    connect(ui.actionEvent_list, &QAction::triggered, this, &CMain::jump_view4);
    connect(ui.actionData_logging, &QAction::triggered, this, &CMain::jump_view5);
    connect(ui.actionFont_Settings, &QAction::triggered, m_fontSettings, &QDialog::exec);
    connect(ui.actionSensor_Settings, &QAction::triggered, m_sensorSettings, &QDialog::exec);
    connect(ui.actionConfiguration_Wizard, &QAction::triggered, this, &CMain::confWizardShow);
    connect(m_sensorSettings, &QSensorSettings::sensor_update, this, &CMain::initSensorUI);
    connect(ui.tabWidget, &QTabWidget::currentChanged, this, &CMain::tabChange);
    connect(m_background, &QBackgroundDlg::setBackGround, this, &CMain::changeBackground);
    connect(m_mainViewConfig, &QMainViewConfig::setting_change, this, &CMain::mainViewSettings);
    connect(m_mainViewConfig, &QMainViewConfig::setting_change, this, &CMain::viewSequenceSetting);
    connect(this, &QWidget::customContextMenuRequested, this, &CMain::ctxMenu);
}

QString CMain::aliveText(int num)
{
    return tr("Active: %1  ").arg(num);
}

void CMain::setDataExporter(Tab tab, DataExporter *exporter)
{
    m_exporters[tab] = exporter;
}

void CMain::menu_search_inverter()
{
    const int port = m_comPort->selectedPort();
    const int baud = m_comPort->selectedBaud();
    if (port == 0 || baud == 0) {
        prompter().message(Prompter::Level::Warning, tr("Error"), tr("Please complete COM port settings first."));
        return;
    }
    m_searchInverters->setPortBaud(port, baud);
    m_searchInverters->exec();
}

void CMain::menu_com_setting()
{
    m_comPort->exec();
}

void CMain::menu_exit()
{
    close();
}

void CMain::menu_alarm()
{
    m_alarmConfig->exec();
}

void CMain::menu_mainViewConfig()
{
    m_mainViewConfig->exec();
}

void CMain::jump_view0()
{
    m_ui->tabWidget->setCurrentIndex(MainTab);
}

void CMain::jump_view1()
{
    m_ui->tabWidget->setCurrentIndex(RealTimeTab);
}

void CMain::jump_view2()
{
    m_ui->tabWidget->setCurrentIndex(KeyParametersTab);
}

void CMain::jump_view3()
{
    m_ui->tabWidget->setCurrentIndex(ChartTab);
}

void CMain::jump_view4()
{
    m_ui->tabWidget->setCurrentIndex(EventListTab);
}

void CMain::jump_view5()
{
    m_ui->tabWidget->setCurrentIndex(DataLogTab);
}

void CMain::on_actionPrint_triggered()
{
    m_pageOutput.print(m_ui->tabWidget->currentWidget());
}

void CMain::on_actionExport_JPG_triggered()
{
    const bool chart = m_ui->tabWidget->currentIndex() == ChartTab;
    m_pageOutput.exportImage(chart ? static_cast<QWidget *>(m_chartView->plot()) : m_ui->tabWidget->currentWidget());
}

void CMain::start_monitor()
{
    m_monitor->start();
}

void CMain::stop_monitor()
{
    m_monitor->stop();
}

void CMain::tabChange(int index)
{
    m_realTime->showInformationPage();
    m_ui->actionExportData->setEnabled(index == ChartTab || index == EventListTab || index == DataLogTab);
    if (index == ChartTab) {
        m_chartView->refreshTree();
        m_chartView->tree()->setFocus();
    } else if (index == EventListTab) {
        m_eventListView->fillEventSelectors();
    } else if (index == DataLogTab) {
        m_dataLogView->fillSelectors();
    }
}

void CMain::addGroup()
{
    m_realTime->addGroup();
}

void CMain::inverterClick(QTreeWidgetItem *item, int column)
{
    m_realTime->inverterClick(item, column);
}

void CMain::build_group_inverter()
{
    m_realTime->buildGroupInverter();
}

void CMain::show_realtime_data()
{
    m_realTime->showRealtimeData();
}

void CMain::displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit,
                                   QString tooltip)
{
    m_realTime->realTimeDisplay().appendRegister(block, registerNo, scale, label, unit, tooltip);
}

void CMain::displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit)
{
    m_realTime->realTimeDisplay().appendRegister(block, registerNo, scale, label, unit);
}

void CMain::displayParameterAppend(QString text, QString tooltip)
{
    m_realTime->realTimeDisplay().appendText(text, tooltip);
}

void CMain::realtime_subtab_change(int index)
{
    m_realTime->subTabChange(index);
}

void CMain::display_device_parameter()
{
    m_realTime->parameterView()->display();
}

void CMain::device_parameter_click(QTableWidgetItem *item)
{
    m_realTime->parameterView()->itemClick(item);
}

void CMain::save_device_parameter()
{
    m_realTime->parameterView()->save();
}

void CMain::display_key_parameters()
{
    m_keyParameters->display();
}

void CMain::every_polling()
{
    m_monitor->pollingCycleDone();
}

void CMain::deleteGroup()
{
    m_realTime->deleteGroup();
}

void CMain::deleteInverter()
{
    m_realTime->deleteInverter();
}

void CMain::upGroup()
{
    m_realTime->upGroup();
}

void CMain::downGroup()
{
    m_realTime->downGroup();
}

void CMain::queryDataLog()
{
    m_dataLogView->query();
}

void CMain::queryEvent()
{
    m_eventListView->query();
}

void CMain::event_row_click(int row, int column)
{
    m_eventListView->explainRow(row, column);
}

void CMain::query_graphic()
{
    m_chartView->query();
}

void CMain::show_about()
{
    m_about->exec();
}

void CMain::update_main_screen(PlantTotals totals)
{
    const QPollingThread *polling = ProgramState::instance().pollingThread();
    if (isHidden() || !polling || !polling->isRunning())
        return;
    // The averages are per inverter the polling has met.
    m_dashboard->showTotals(totals, ProgramState::instance().devices().snapshotSize());
}

void CMain::changeBackground(const QString &path)
{
    m_dashboard->setBackground(path);
}

void CMain::on_actionBackground_Graphics_triggered()
{
    m_background->exec();
}

void CMain::display_earning(const QString &earning)
{
    m_dashboard->showEarning(earning);
}

void CMain::dispaly_co2Reduction(const QString &co2)
{
    m_dashboard->showCo2Reduction(co2);
}

void CMain::mainViewSettings()
{
    m_dashboard->applySettings();
    emit display_change();
}

void CMain::mail_change(const QString &account, const QString &password, const QString &port, const QString &server,
                        const QString &sender)
{
    m_session->alarmMailer().changeSettings(account, password, port, server, sender);
}

void CMain::t_search_end()
{
    m_monitor->searchEnded();
}

void CMain::autoSearchHandler()
{
    m_monitor->autoSearch();
}

void CMain::changeLanguageForMenu()
{
    m_languages->chooseFromMenu();
}

void CMain::initSensorUI()
{
    m_dashboard->reloadSensors();
}

void CMain::on_actionExportData_triggered()
{
    const int tab = m_ui->tabWidget->currentIndex();
    DataExporter *exporter = tab >= 0 && tab < TabCount ? m_exporters[size_t(tab)] : nullptr;
    if (tab == ChartTab) {
        // The chart tells by itself when there is nothing to export.
        if (exporter)
            exporter->exportData();
    } else if (tab == EventListTab || tab == DataLogTab) {
        if (exporter && exporter->hasRows())
            exporter->exportData();
        else
            prompter().message(Prompter::Level::Information, tr("Info"), tr("No data"));
    }
}

void CMain::exportEvent()
{
    m_eventListView->exportData();
}

void CMain::exportDataLogging()
{
    m_dataLogView->exportData();
}

void CMain::exportDataGraphic()
{
    m_chartView->exportData();
}

void CMain::saveDebug()
{
    DailyDebugFiles::saveIfDue(isHidden());
}

void CMain::showCurrDateTime()
{
    m_ui->lblMessage->setText(Clock::instance().now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void CMain::languageChangeForToolBar()
{
    m_languages->chooseFromToolBar();
}

void CMain::viewSequenceSetting()
{
    m_dashboard->arrange();
}

void CMain::keyHeaderChange(int index)
{
    m_keyParameters->headerChange(index);
}

void CMain::keyHeaderChangeHelp(int column, QComboBox *selector)
{
    m_keyParameters->headerChangeHelp(column, selector);
}

void CMain::confWizardShow()
{
    m_configWizard->restart();
    m_configWizard->exec();
    // The wizard may have chosen another line: the COM port dialog shows it from now on.
    m_comPort->initCOM();
    if (m_configWizard->startMonitoringRequested())
        m_ui->actionStart->trigger();
}

QFont CMain::getHeaderFont()
{
    return m_dashboard->headerFont();
}

QFont CMain::getViewFont()
{
    return m_dashboard->viewFont();
}

QFont CMain::getMessageFont()
{
    return m_dashboard->messageFont();
}

void CMain::setHeaderFont(QFont &font)
{
    m_dashboard->setHeaderFont(font);
}

void CMain::setViewFont(QFont &font)
{
    m_dashboard->setViewFont(font);
}

void CMain::setMsgFont(QFont &font)
{
    m_dashboard->setMessageFont(font);
}

void CMain::loadFont()
{
    m_dashboard->loadFonts();
}

void CMain::setHeaderColor(const QColor &color)
{
    m_dashboard->setHeaderColor(color);
}

void CMain::setMsgColor(const QColor &color)
{
    m_dashboard->setMessageColor(color);
}

void CMain::setViewColor(const QColor &color)
{
    m_dashboard->setViewColor(color);
}

void CMain::loadColor()
{
    m_dashboard->loadColors();
}

void CMain::ctxMenu(const QPoint &pos)
{
    QMenu *menu = m_ui->tabWidget->currentIndex() == MainTab ? m_mainPageMenu : m_pageMenu;
    menu->popup(mapToGlobal(pos));
}

void CMain::wait_mode_handler()
{
    m_monitor->waitModeEntered();
}

void CMain::set_alive_num(int num)
{
    if (!isHidden())
        m_aliveLabel->setText(aliveText(num));
}

void CMain::gbYearShow()
{
    m_chartView->showPeriodChoosers();
}

void CMain::setTitle(const QString &title)
{
    setWindowTitle(title);
}

void CMain::showEvent(QShowEvent *event)
{
    const QString background = AppSettings().text(Setting::BK_IMG);
    const QString backgroundPath = AppDir::file(QStringLiteral("background/") + background);
    if (!background.isEmpty() && QFileInfo(backgroundPath).isFile())
        changeBackground(backgroundPath);
    ProgramState::instance().addressTable().insertFromText(AppSettings().text(Setting::INV_ADDR));
    // The menu stays in the form for its actions but never shows in the menu bar.
    m_ui->menuWindow->setTitle(QString());
    m_ui->menuWindow->menuAction()->setVisible(false);
    loadColor();
    QMainWindow::showEvent(event);
}

void CMain::closeEvent(QCloseEvent *event)
{
    if (!prompter().question(tr("Confirm"), tr("Confirm to exit?"))) {
        event->ignore();
        return;
    }
    hide();
    m_monitor->shutDown();
    db_exec(QStringLiteral("update orva_inverter set online = 0"));
    saveDebug();
    event->accept();
}

void CMain::recv_tree_item_change()
{
    m_realTime->recvTreeItemChange();
}
