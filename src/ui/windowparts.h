#pragma once

#include "ui/monitorcontrol.h"

namespace Ui {
class CMainClass;
}
class ChartView;
class CMain;
class COMPortFrm;
class DashboardView;
class DataLogView;
class EventListView;
class KeyParametersView;
class LineHealthDialog;
class MonitoringSession;
class MqttDialog;
class MqttPublisher;
class ParameterView;
class ProgramState;
class QAbout;
class QalarmConfig;
class QBackgroundDlg;
class QConfigWizard;
class QFontSettings;
class QLabel;
class QMainViewConfig;
class QMainWindow;
class QMenu;
class QPassword;
class QProgressWin;
class QSensorSettings;
class RealTimeView;
class SearchInverterFrm;

// What the main window is made of besides its form: the dialogs it owns, the
// status-bar labels, the context menus, the monitor control and the views put
// into its tab pages. All are children of the window; this makes them, hands
// each what it uses of the program-wide state and the session, names them and
// connects them.
struct WindowParts
{
    WindowParts(QMainWindow &window, const Ui::CMainClass &ui, ProgramState &state, MonitoringSession &session);

    // What the monitor control enables, disables and writes into (the parts made before it).
    MonitorControl::Widgets monitorWidgets(QMainWindow &window, const Ui::CMainClass &ui) const;
    // The steps of monitoring to the pages and the window: each cycle's records,
    // a new number of records, the plant totals, the line health.
    void connectMonitor(CMain &window, const Ui::CMainClass &ui, MonitoringSession &session) const;
    // The menu and tool-bar actions, the tabs and the dialogs' signals to the window's slots.
    void connectActions(CMain &window, const Ui::CMainClass &ui) const;
    // The MQTT publisher: every cycle of the session, the inverters deleted in
    // the window, the dialog's settings; started with those of app.ini.
    void connectPublisher(CMain &window, MonitoringSession &session, const Ui::CMainClass &ui) const;

    // The owned dialogs, in the order they are made.
    QalarmConfig *alarmConfig;
    QMainViewConfig *mainViewConfig;
    SearchInverterFrm *searchInverters;
    COMPortFrm *comPort;
    QAbout *about;
    QProgressWin *progress;
    QBackgroundDlg *background;
    QSensorSettings *sensorSettings;
    QPassword *password;
    QConfigWizard *configWizard;
    QFontSettings *fontSettings;
    LineHealthDialog *lineHealth;
    MqttDialog *mqtt;
    MqttPublisher *publisher;

    QLabel *stateLabel;
    QLabel *aliveLabel;
    QMenu *mainPageMenu; // on the Main tab
    QMenu *pageMenu;     // on the other tabs
    // Lends the line to the parameter page; the window deletes it before the session.
    MonitorControl *monitor;

    DashboardView *dashboard;
    ParameterView *parameters;
    RealTimeView *realTime;
    KeyParametersView *keyParameters;
    ChartView *chartView;
    EventListView *eventListView;
    DataLogView *dataLogView;
};
