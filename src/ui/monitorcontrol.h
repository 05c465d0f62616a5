#pragma once

#include "monitor/qdisplaythread.h"
#include "ui/linelender.h"

#include <QObject>
#include <QTimer>
#include <functional>

class MonitoringSession;
class QAbstractButton;
class QAction;
class QLabel;
class QProgressWin;
class QTabWidget;
class QWidget;
class SearchInverterFrm;

// Starting and stopping monitoring from the main window: the communication
// test behind the progress window, the states with their labels, icons and
// enabled actions, what the window does after every polling cycle, the
// plant-totals thread and the auto-search timer; it lends the line to the
// direct command. Runs in the GUI thread and hears the worker threads only
// through queued signals.
class MonitorControl : public QObject, public LineLender
{
    Q_OBJECT

public:
    enum class State { NotReady, Ready, Starting, Monitoring, Stopping };

    // The window's parts that show the monitoring state or start its steps.
    struct Widgets
    {
        QWidget *window = nullptr;
        QTabWidget *tabs = nullptr;
        QLabel *stateLabel = nullptr; // the first label of the status bar
        QLabel *rightTopLabel = nullptr;
        QAbstractButton *rightTopIcon = nullptr;
        QProgressWin *progress = nullptr;
        SearchInverterFrm *search = nullptr;
        QAction *start = nullptr;
        QAction *stop = nullptr;
        QAction *sensorSettings = nullptr;
        QAction *configurationWizard = nullptr;
        QAction *comPort = nullptr;
        QAction *searchInverters = nullptr;
    };

    // What the pages do at the steps of monitoring. A page that takes part sets
    // its function when the window creates it; an unset one is skipped.
    struct PageHooks
    {
        std::function<void()> loadSensorHeaders;    // monitoring starts with the sensor list just read
        std::function<void()> refreshChartTree;     // monitoring has started on the chart's tab
        std::function<void()> rebuildTree;          // the number of device records changed
        std::function<void()> refreshKeyParameters; // after every cycle
        std::function<void()> refreshRealTime;      // after every cycle, also ends a finished parameter write
        std::function<void()> refreshSensorFields;  // after every cycle
        std::function<void()> waitModeEntered;      // the polling thread waits: the line is free
    };

    static constexpr int kChartTab = 3;

    MonitorControl(const Widgets &widgets, MonitoringSession &session, QObject *parent = nullptr);
    ~MonitorControl() override; // ends the plant-totals thread

    State state() const { return m_state; }
    PageHooks &pageHooks() { return m_hooks; }
    QDisplayThread &totalsThread() { return m_totals; }
    QTimer &autoSearchTimer() { return m_autoSearchTimer; }

    // Tests the line and starts polling; the configuration wizard opens when
    // no inverter is known or none answers.
    void start();
    // Ends polling, the plant totals and the alarm mails, then shows Ready.
    void stop();
    void pollingCycleDone();
    void waitModeEntered();
    // The auto-search timer: monitoring pauses while the search dialog searches
    // the line without modality, and goes on with what it found.
    void autoSearch();
    // A search has ended: with inverters to poll the window is ready, or monitors
    // again after an automatic search.
    void searchEnded();
    // The window closes: every thread ends (within the limit) and nothing is left running.
    void shutDown();

    // Polling waits between cycles while the line is lent (the window keeps
    // painting until it waits); an automatic search falls due only once the
    // line is back. Refused while a search has the line.
    bool borrowLine() override;
    void returnLine() override;

signals:
    // The number of inverters to show beside the state.
    void aliveCountChanged(int count);

private:
    void setState(State state);
    void showMark(const QString &text, const char *icon);
    void loadAutoSearchSettings();
    void stopThreads();

    Widgets m_w;
    MonitoringSession &m_session;
    PageHooks m_hooks;
    QDisplayThread m_totals;
    QTimer m_autoSearchTimer;
    State m_state = State::NotReady;
    bool m_firstCycle = false;
    bool m_resumeAfterSearch = false;
    bool m_lineLent = false;
    bool m_searchAfterLending = false; // the auto-search timer fired while the line was lent
    int m_knownDeviceCount = 0;
    int m_autoSearchMinutes = 0;
};
