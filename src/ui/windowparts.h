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
// views put into its tab pages, the status-bar labels and the context menus.
// All are children of the window; this makes them, names them and connects
// them to the window.
struct WindowParts
{
    WindowParts(QMainWindow &window, const Ui::CMainClass &ui);

    // What the monitor control enables, disables and writes into.
    MonitorControl::Widgets monitorWidgets(QMainWindow &window, const Ui::CMainClass &ui) const;
    // The menu and tool-bar actions, the tabs and the dialogs' signals to the window's slots.
    void connectActions(CMain &window, const Ui::CMainClass &ui) const;

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

    QLabel *stateLabel;
    QLabel *aliveLabel;
    QMenu *mainPageMenu; // on the Main tab
    QMenu *pageMenu;     // on the other tabs

    DashboardView *dashboard;
    RealTimeView *realTime;
    KeyParametersView *keyParameters;
    ChartView *chartView;
    EventListView *eventListView;
    DataLogView *dataLogView;
};
