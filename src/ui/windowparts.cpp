#include "ui/windowparts.h"

#include "base/appsettings.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "publish/mqttpublisher.h"
#include "ui/cmain.h"
#include "ui/dialogs/comportfrm.h"
#include "ui/dialogs/linehealthdialog.h"
#include "ui/dialogs/mqttdialog.h"
#include "ui/dialogs/qabout.h"
#include "ui/dialogs/qalarmconfig.h"
#include "ui/dialogs/qbackgrounddlg.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/dialogs/qfontsettings.h"
#include "ui/dialogs/qmainviewconfig.h"
#include "ui/dialogs/qpassword.h"
#include "ui/dialogs/qsensorsettings.h"
#include "ui/dialogs/searchinverterfrm.h"
#include "ui/qprogresswin.h"
#include "ui/views/chartview.h"
#include "ui/views/dashboardview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/keyparametersview.h"
#include "ui/views/parameterview.h"
#include "ui/views/realtimeview.h"
#include "ui_cmain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>

namespace {
const Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint;

const char *const kProgressStyle =
    "#QProgessClass{background-color: qlineargradient(spread:pad, x1:1, y1:0.517045, x2:0, y2:0.466, "
    "stop:0 rgba(0, 130, 255, 255), stop:1 rgba(255, 255, 255, 255));}";

QMenu *namedMenu(QMainWindow &window, const char *name)
{
    auto *menu = new QMenu(&window);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

// A view in the (empty) layout of its tab page.
template<typename View, typename Uses>
View *pageView(Uses &uses, QWidget *page, QLayout *layout)
{
    auto *view = new View(uses, page);
    layout->addWidget(view);
    return view;
}
} // namespace

WindowParts::WindowParts(QMainWindow &window, const Ui::CMainClass &ui, ProgramState &state, MonitoringSession &session)
    : alarmConfig(new QalarmConfig(state.prompter(), &window))
    , mainViewConfig(new QMainViewConfig(state.prompter(), &window))
    , searchInverters(new SearchInverterFrm(session, state, &window))
    , comPort(new COMPortFrm(state, &window))
    , about(new QAbout(&window))
    , progress(new QProgressWin(&window))
    , background(new QBackgroundDlg(state.prompter(), &window))
    , sensorSettings(new QSensorSettings(state, &window))
    , password(new QPassword(state.prompter(), nullptr, &window))
    , configWizard(new QConfigWizard(state, &window))
    , fontSettings(new QFontSettings(state.prompter(), &window))
    , lineHealth(new LineHealthDialog(state.numberText(), &window))
    , mqtt(new MqttDialog(state.prompter(), &window))
    , publisher(new MqttPublisher(state.sensors(), &window))
    , stateLabel(new QLabel(CMain::tr("Not ready"), &window))
    , aliveLabel(new QLabel(CMain::aliveText(0), &window))
    , mainPageMenu(namedMenu(window, "mainPageMenu"))
    , pageMenu(namedMenu(window, "pageMenu"))
    , monitor(new MonitorControl(monitorWidgets(window, ui), session, state, &window))
    , dashboard(new DashboardView({ui.frame, ui.titleFrame, ui.lblTitle, ui.msgFrame, ui.lblMessage, ui.rightTopLabel},
                                  state.sensors(), state.numberText(), &window))
    , parameters(new ParameterView(progress, *monitor, state.sharedPort(), state.prompter(), state.numberText()))
    , realTime(new RealTimeView(
          parameters, [dialog = password] { return dialog->exec() == QDialog::Accepted; }, state.prompter(),
          state.numberText(), ui.tab_realtime_data))
    , keyParameters(pageView<KeyParametersView>(state.numberText(), ui.tab_key_parameters, ui.keyParametersPageLayout))
    , chartView(pageView<ChartView>(state.prompter(), ui.tab_graphical_analysis, ui.chartPageLayout))
    , eventListView(pageView<EventListView>(state.prompter(), ui.tab_event_list, ui.eventListPageLayout))
    , dataLogView(pageView<DataLogView>(state.prompter(), ui.tab_data_logging, ui.dataLogPageLayout))
{
    // The progress window keeps its own frameless look.
    for (QDialog *dialog :
         std::initializer_list<QDialog *>{alarmConfig, mainViewConfig, searchInverters, comPort, about, background,
                                          sensorSettings, password, configWizard, fontSettings, mqtt})
        dialog->setWindowFlags(kDialogFlags);
    progress->setStyleSheet(QString::fromLatin1(kProgressStyle));

    stateLabel->setObjectName(QStringLiteral("stateLabel"));
    aliveLabel->setObjectName(QStringLiteral("aliveLabel"));
    window.statusBar()->addPermanentWidget(stateLabel);
    window.statusBar()->insertPermanentWidget(0, aliveLabel);

    mainPageMenu->addActions({ui.actionMain_view_configuration, ui.actionBackground_Graphics, ui.actionFont_Settings});
    mainPageMenu->addSeparator();
    mainPageMenu->addActions({ui.actionExport_JPG, ui.actionPrint});
    pageMenu->addActions({ui.actionExport_JPG, ui.actionPrint});

    ui.dashboardLayout->addWidget(dashboard);
    fontSettings->setDashboard(dashboard);
    ui.realTimePageLayout->addWidget(realTime);
}

MonitorControl::Widgets WindowParts::monitorWidgets(QMainWindow &window, const Ui::CMainClass &ui) const
{
    MonitorControl::Widgets widgets;
    widgets.window = &window;
    widgets.stateLabel = stateLabel;
    widgets.rightTopLabel = ui.rightTopLabel;
    widgets.rightTopIcon = ui.rightTopIcon;
    widgets.progress = progress;
    widgets.search = searchInverters;
    widgets.start = ui.actionStart;
    widgets.stop = ui.actionStop;
    widgets.sensorSettings = ui.actionSensor_Settings;
    widgets.configurationWizard = ui.actionConfiguration_Wizard;
    widgets.comPort = ui.actionCOM_port;
    widgets.searchInverters = ui.actionSearch_Inverters;
    return widgets;
}

void WindowParts::connectMonitor(CMain &window, const Ui::CMainClass &ui, MonitoringSession &session) const
{
    QObject::connect(monitor, &MonitorControl::cycleDone, keyParameters, &KeyParametersView::refresh);
    QObject::connect(monitor, &MonitorControl::cycleDone, realTime, &RealTimeView::refresh);
    QObject::connect(monitor, &MonitorControl::cycleDone, chartView, &ChartView::setDevices);
    QObject::connect(monitor, &MonitorControl::cycleDone, dashboard, &DashboardView::refreshSensorFields);
    QObject::connect(monitor, &MonitorControl::deviceCountChanged, &window, &CMain::build_group_inverter);
    QObject::connect(monitor, &MonitorControl::started, chartView, [this, tabs = ui.tabWidget] {
        if (tabs->currentIndex() == CMain::ChartTab)
            chartView->refreshTree();
    });
    QObject::connect(monitor, &MonitorControl::aliveCountChanged, &window, &CMain::set_alive_num);
    QObject::connect(&monitor->autoSearchTimer(), &QTimer::timeout, &window, &CMain::autoSearchHandler);
    QObject::connect(realTime, &RealTimeView::todayEnergyShown, dashboard, &DashboardView::setTodayEnergy);
    // The line-health window follows every cycle while it is open.
    QObject::connect(&session, &MonitoringSession::lineHealthCounted, lineHealth,
                     [dialog = lineHealth, &session](const LineHealthReport &report) {
                         if (dialog->isVisible())
                             dialog->showReport(report, session.serials());
                     });

    QDisplayThread &totals = monitor->totalsThread();
    QObject::connect(&totals, &QDisplayThread::display_value, &window, &CMain::update_main_screen);
    QObject::connect(&totals, &QDisplayThread::inverter_alive, &window, &CMain::set_alive_num);
    QObject::connect(&totals, &QDisplayThread::display_earning, &window, &CMain::display_earning);
    QObject::connect(&totals, &QDisplayThread::dispaly_co2Reduction, &window, &CMain::dispaly_co2Reduction);
    QObject::connect(&window, &CMain::display_change, &totals, &QDisplayThread::loadSetting);
}

void WindowParts::connectActions(CMain &window, const Ui::CMainClass &ui) const
{
    QObject::connect(ui.actionStart, &QAction::triggered, &window, &CMain::start_monitor);
    QObject::connect(ui.actionStop, &QAction::triggered, &window, &CMain::stop_monitor);
    QObject::connect(ui.actionSearch_Inverters, &QAction::triggered, &window, &CMain::menu_search_inverter);
    QObject::connect(ui.actionCOM_port, &QAction::triggered, &window, &CMain::menu_com_setting);
    QObject::connect(ui.actionAlarm, &QAction::triggered, &window, &CMain::menu_alarm);
    QObject::connect(ui.actionMain_view_configuration, &QAction::triggered, &window, &CMain::menu_mainViewConfig);
    QObject::connect(ui.actionAbout, &QAction::triggered, &window, &CMain::show_about);
    QObject::connect(ui.actionExit, &QAction::triggered, &window, &CMain::menu_exit);
    QObject::connect(ui.actionMain, &QAction::triggered, &window, &CMain::jump_view0);
    QObject::connect(ui.actionReal_time_data, &QAction::triggered, &window, &CMain::jump_view1);
    QObject::connect(ui.actionKey_parameters, &QAction::triggered, &window, &CMain::jump_view2);
    QObject::connect(ui.actionGraphical_analysis, &QAction::triggered, &window, &CMain::jump_view3);
    QObject::connect(ui.actionEvent_list, &QAction::triggered, &window, &CMain::jump_view4);
    QObject::connect(ui.actionData_logging, &QAction::triggered, &window, &CMain::jump_view5);
    QObject::connect(ui.actionLine_health, &QAction::triggered, &window, &CMain::menu_line_health);
    QObject::connect(ui.actionFont_Settings, &QAction::triggered, fontSettings, &QDialog::exec);
    QObject::connect(ui.actionSensor_Settings, &QAction::triggered, sensorSettings, &QDialog::exec);
    QObject::connect(ui.actionConfiguration_Wizard, &QAction::triggered, &window, &CMain::confWizardShow);
    QObject::connect(sensorSettings, &QSensorSettings::sensor_update, &window, &CMain::initSensorUI);
    QObject::connect(searchInverters, &SearchInverterFrm::s_search_end, &window, &CMain::t_search_end);
    QObject::connect(alarmConfig, &QalarmConfig::mail_setting_change, &window, &CMain::mail_change);
    QObject::connect(ui.tabWidget, &QTabWidget::currentChanged, &window, &CMain::tabChange);
    QObject::connect(background, &QBackgroundDlg::setBackGround, &window, &CMain::changeBackground);
    QObject::connect(mainViewConfig, &QMainViewConfig::setting_change, &window, &CMain::mainViewSettings);
    QObject::connect(mainViewConfig, &QMainViewConfig::setting_change, &window, &CMain::viewSequenceSetting);
    QObject::connect(&window, &QWidget::customContextMenuRequested, &window, &CMain::ctxMenu);
}

void WindowParts::connectPublisher(CMain &window, MonitoringSession &session, const Ui::CMainClass &ui) const
{
    QObject::connect(&session, &MonitoringSession::cycleFinished, publisher, &MqttPublisher::publishCycle);
    QObject::connect(realTime, &RealTimeView::inverterDeleted, publisher, &MqttPublisher::removeInverter);
    QObject::connect(&window, &CMain::display_change, publisher, &MqttPublisher::reloadPlantFactors);
    QObject::connect(ui.actionMQTT, &QAction::triggered, mqtt, &QDialog::exec);
    QObject::connect(mqtt, &MqttDialog::settingsSaved, publisher, &MqttPublisher::configure);
    QObject::connect(publisher, &MqttPublisher::problem, &window,
                     [&window](const QString &problem) { window.statusBar()->showMessage(problem, 30000); });
    publisher->configure(MqttSettings::load(AppSettings()));
}
