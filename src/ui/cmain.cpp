#include "ui/cmain.h"

#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/clock.h"
#include "base/prompter.h"
#include "history/dailydebugfiles.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/recordstore.h"
#include "ui/dataexporter.h"
#include "ui/dialogs/comportfrm.h"
#include "ui/dialogs/linehealthdialog.h"
#include "ui/dialogs/qabout.h"
#include "ui/dialogs/qalarmconfig.h"
#include "ui/dialogs/qbackgrounddlg.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/dialogs/qdiagnostics.h"
#include "ui/dialogs/qmainviewconfig.h"
#include "ui/dialogs/searchinverterfrm.h"
#include "ui/languagemenus.h"
#include "ui/monitorcontrol.h"
#include "ui/views/chartview.h"
#include "ui/views/dashboardview.h"
#include "ui/views/datalogview.h"
#include "ui/views/eventlistview.h"
#include "ui/views/keyparametersview.h"
#include "ui/views/parameterview.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimedisplay.h"
#include "ui/views/realtimeview.h"
#include "ui/windowparts.h"
#include "ui_cmain.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <qwt_plot.h>

// The icons live in a static library: their resource is registered by hand.
static void initIconResources()
{
    Q_INIT_RESOURCE(lumora_icons);
}

CMain::CMain(QWidget *parent, MonitoringSession *session)
    : QMainWindow(parent)
    , m_ownSession(session ? nullptr : std::make_unique<MonitoringSession>())
    , m_session(session ? session : m_ownSession.get())
    , m_program(ProgramState::instance())
    , m_ui(new Ui::CMainClass)
    , m_pageOutput(this, m_program.prompter())
{
    initIconResources();
    m_ui->setupUi(this);
    m_parts = std::make_unique<WindowParts>(*this, *m_ui, m_program, *m_session);
    setDataExporter(ChartTab, m_parts->chartView);
    setDataExporter(EventListTab, m_parts->eventListView);
    setDataExporter(DataLogTab, m_parts->dataLogView);

    m_debugSaveTimer.setInterval(60000);
    connect(&m_debugSaveTimer, &QTimer::timeout, this, &CMain::saveDebug);
    m_debugSaveTimer.start();
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &CMain::showCurrDateTime);
    m_clockTimer.start();

    m_languages = std::make_unique<LanguageMenus>(this, m_ui->menuLanguage, m_ui->toolBarRight,
                                                  AppSettings().intValue(Setting::LANG, 0), m_program.prompter());
    connect(m_languages->menuGroup(), &QActionGroup::triggered, this, &CMain::changeLanguageForMenu);
    connect(m_languages->toolBarGroup(), &QActionGroup::triggered, this, &CMain::languageChangeForToolBar);

    m_monitor = m_parts->monitor;
    m_parts->connectMonitor(*this, *m_ui, *m_session);
    m_parts->connectActions(*this, *m_ui);
    m_parts->connectPublisher(*this, *m_session, *m_ui);
    m_parts->comPort->diagnostics()->setLineLender(m_monitor);
    m_ui->tabWidget->setCurrentIndex(MainTab);
    m_ui->actionExportData->setEnabled(false);
}

CMain::~CMain()
{
    // The monitor control detaches from the session as it goes; it must go
    // before the session this window may own.
    delete m_monitor;
}

RealTimeView *CMain::realTimeView() const
{
    return m_parts->realTime;
}

QString CMain::aliveText(int num)
{
    return tr("Active: %1  ").arg(num);
}

void CMain::showHistoryFill(qint64 counted, qint64 total)
{
    statusBar()->showMessage(
        tr("Preparing the history for the charts: %1 %").arg(total > 0 ? counted * 100 / total : 0));
}

void CMain::setDataExporter(Tab tab, DataExporter *exporter)
{
    m_exporters[tab] = exporter;
}

void CMain::menu_search_inverter()
{
    const int port = m_parts->comPort->selectedPort();
    const int baud = m_parts->comPort->selectedBaud();
    if (port == 0 || baud == 0) {
        m_program.prompter().message(Prompter::Level::Warning, tr("Error"),
                                     tr("Please complete COM port settings first."));
        return;
    }
    m_parts->searchInverters->setPortBaud(port, baud);
    m_parts->searchInverters->exec();
}

void CMain::menu_com_setting()
{
    m_parts->comPort->exec();
}

void CMain::menu_exit()
{
    close();
}

void CMain::menu_alarm()
{
    m_parts->alarmConfig->exec();
}

void CMain::menu_line_health()
{
    m_parts->lineHealth->showReport(m_session->lineHealth(), m_session->serials());
    m_parts->lineHealth->show();
    m_parts->lineHealth->raise();
    m_parts->lineHealth->activateWindow();
}

void CMain::menu_mainViewConfig()
{
    m_parts->mainViewConfig->exec();
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
    m_pageOutput.exportImage(chart ? static_cast<QWidget *>(m_parts->chartView->plot())
                                   : m_ui->tabWidget->currentWidget());
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
    m_parts->realTime->showInformationPage();
    m_ui->actionExportData->setEnabled(index == ChartTab || index == EventListTab || index == DataLogTab);
    if (index == ChartTab) {
        m_parts->chartView->refreshTree();
        m_parts->chartView->tree()->setFocus();
    } else if (index == EventListTab) {
        m_parts->eventListView->fillEventSelectors();
    } else if (index == DataLogTab) {
        m_parts->dataLogView->fillSelectors();
    }
}

void CMain::addGroup()
{
    m_parts->realTime->addGroup();
}

void CMain::inverterClick(QTreeWidgetItem *item, int column)
{
    m_parts->realTime->inverterClick(item, column);
}

void CMain::build_group_inverter()
{
    m_parts->realTime->buildGroupInverter();
}

void CMain::show_realtime_data()
{
    m_parts->realTime->showRealtimeData();
}

void CMain::displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit,
                                   QString tooltip)
{
    m_parts->realTime->realTimeDisplay().appendRegister(block, registerNo, scale, label, unit, tooltip);
}

void CMain::displayParameterAppend(unsigned char *block, int registerNo, double scale, QString label, QString unit)
{
    m_parts->realTime->realTimeDisplay().appendRegister(block, registerNo, scale, label, unit);
}

void CMain::displayParameterAppend(QString text, QString tooltip)
{
    m_parts->realTime->realTimeDisplay().appendText(text, tooltip);
}

void CMain::realtime_subtab_change(int index)
{
    m_parts->realTime->subTabChange(index);
}

void CMain::display_device_parameter()
{
    m_parts->realTime->parameterView()->display();
}

void CMain::device_parameter_click(QTableWidgetItem *item)
{
    m_parts->realTime->parameterView()->itemClick(item);
}

void CMain::save_device_parameter()
{
    m_parts->realTime->parameterView()->save();
}

void CMain::display_key_parameters()
{
    m_parts->keyParameters->display();
}

void CMain::deleteGroup()
{
    m_parts->realTime->deleteGroup();
}

void CMain::deleteInverter()
{
    m_parts->realTime->deleteInverter();
}

void CMain::upGroup()
{
    m_parts->realTime->upGroup();
}

void CMain::downGroup()
{
    m_parts->realTime->downGroup();
}

void CMain::queryDataLog()
{
    m_parts->dataLogView->query();
}

void CMain::queryEvent()
{
    m_parts->eventListView->query();
}

void CMain::event_row_click(int row, int column)
{
    m_parts->eventListView->explainRow(row, column);
}

void CMain::query_graphic()
{
    m_parts->chartView->query();
}

void CMain::show_about()
{
    m_parts->about->exec();
}

void CMain::update_main_screen(PlantTotals totals)
{
    if (isHidden() || !m_session->isPollingRunning())
        return;
    // The averages are per inverter the polling has met.
    m_parts->dashboard->showTotals(totals, m_monitor->knownDeviceCount());
}

void CMain::changeBackground(const QString &path)
{
    m_parts->dashboard->setBackground(path);
}

void CMain::on_actionBackground_Graphics_triggered()
{
    m_parts->background->exec();
}

void CMain::display_earning(const QString &earning)
{
    m_parts->dashboard->showEarning(earning);
}

void CMain::dispaly_co2Reduction(const QString &co2)
{
    m_parts->dashboard->showCo2Reduction(co2);
}

void CMain::mainViewSettings()
{
    m_parts->dashboard->applySettings();
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
    m_parts->dashboard->reloadSensors();
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
            m_program.prompter().message(Prompter::Level::Information, tr("Info"), tr("No data"));
    }
}

void CMain::exportEvent()
{
    m_parts->eventListView->exportData();
}

void CMain::exportDataLogging()
{
    m_parts->dataLogView->exportData();
}

void CMain::exportDataGraphic()
{
    m_parts->chartView->exportData();
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
    m_parts->dashboard->arrange();
}

void CMain::keyHeaderChange(int index)
{
    m_parts->keyParameters->headerChange(index);
}

void CMain::keyHeaderChangeHelp(int column, QComboBox *selector)
{
    m_parts->keyParameters->headerChangeHelp(column, selector);
}

void CMain::confWizardShow()
{
    m_parts->configWizard->restart();
    m_parts->configWizard->exec();
    // The wizard may have chosen another line: the COM port dialog shows it from now on.
    m_parts->comPort->initCOM();
    if (m_parts->configWizard->startMonitoringRequested())
        m_ui->actionStart->trigger();
}

QFont CMain::getHeaderFont()
{
    return m_parts->dashboard->headerFont();
}

QFont CMain::getViewFont()
{
    return m_parts->dashboard->viewFont();
}

QFont CMain::getMessageFont()
{
    return m_parts->dashboard->messageFont();
}

void CMain::setHeaderFont(QFont &font)
{
    m_parts->dashboard->setHeaderFont(font);
}

void CMain::setViewFont(QFont &font)
{
    m_parts->dashboard->setViewFont(font);
}

void CMain::setMsgFont(QFont &font)
{
    m_parts->dashboard->setMessageFont(font);
}

void CMain::loadFont()
{
    m_parts->dashboard->loadFonts();
}

void CMain::setHeaderColor(const QColor &color)
{
    m_parts->dashboard->setHeaderColor(color);
}

void CMain::setMsgColor(const QColor &color)
{
    m_parts->dashboard->setMessageColor(color);
}

void CMain::setViewColor(const QColor &color)
{
    m_parts->dashboard->setViewColor(color);
}

void CMain::loadColor()
{
    m_parts->dashboard->loadColors();
}

void CMain::ctxMenu(const QPoint &pos)
{
    QMenu *menu = m_ui->tabWidget->currentIndex() == MainTab ? m_parts->mainPageMenu : m_parts->pageMenu;
    menu->popup(mapToGlobal(pos));
}

void CMain::set_alive_num(int num)
{
    if (!isHidden())
        m_parts->aliveLabel->setText(aliveText(num));
}

void CMain::gbYearShow()
{
    m_parts->chartView->showPeriodChoosers();
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
    m_program.addressTable().insertFromText(AppSettings().text(Setting::INV_ADDR));
    // The menu stays in the form for its actions but never shows in the menu bar.
    m_ui->menuWindow->setTitle(QString());
    m_ui->menuWindow->menuAction()->setVisible(false);
    loadColor();
    QMainWindow::showEvent(event);
}

void CMain::closeEvent(QCloseEvent *event)
{
    if (!m_program.prompter().question(tr("Confirm"), tr("Confirm to exit?"))) {
        event->ignore();
        return;
    }
    hide();
    m_monitor->shutDown();
    RecordStore::setAllRowsOffline();
    saveDebug();
    event->accept();
}

void CMain::recv_tree_item_change()
{
    m_parts->realTime->recvTreeItemChange();
}
