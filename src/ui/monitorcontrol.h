#pragma once

#include "device/devicemap.h"
#include "monitor/qdisplaythread.h"
#include "ui/linelender.h"

#include <QObject>
#include <QTimer>

class MonitoringSession;
class ProgramState;
class QAbstractButton;
class QAction;
class QLabel;
class QProgressWin;
class QWidget;
class SearchInverterFrm;

// Starting and stopping monitoring from the main window: the communication
// test behind the progress window, the states with their labels, icons and
// enabled actions, each polling cycle handed on to the pages, the plant-totals
// thread and the auto-search timer; it lends the line to the direct command.
// Runs in the GUI thread and hears the worker threads only through queued
// signals.
class MonitorControl : public QObject, public LineLender
{
    Q_OBJECT

public:
    enum class State { NotReady, Ready, Starting, Monitoring, Stopping };

    // The window's parts that show the monitoring state or start its steps.
    struct Widgets
    {
        QWidget *window = nullptr;
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

    // The state gives the address table, the line settings and the prompter.
    MonitorControl(const Widgets &widgets, MonitoringSession &session, ProgramState &state, QObject *parent = nullptr);
    ~MonitorControl() override; // ends the plant-totals thread

    State state() const { return m_state; }
    QDisplayThread &totalsThread() { return m_totals; }
    QTimer &autoSearchTimer() { return m_autoSearchTimer; }
    // The number of device records of the last cycle.
    int knownDeviceCount() const { return m_knownDeviceCount; }

    // Tests the line and starts polling; the configuration wizard opens when
    // no inverter is known or none answers.
    void start();
    // Ends polling, the plant totals and the alarm mails, then shows Ready.
    void stop();
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
    // Monitoring runs: its first cycle has come.
    void started();
    // A cycle's records, after every cycle while monitoring starts or runs.
    void cycleDone(const DeviceSnapshot &devices);
    // A cycle had another number of records than the one before (after cycleDone).
    void deviceCountChanged(int count);
    // The number of inverters to show beside the state.
    void aliveCountChanged(int count);

private:
    void cycleFinished(const DeviceSnapshot &devices);
    void setState(State state);
    void showMark(const QString &text, const char *icon);
    void loadAutoSearchSettings();
    void stopThreads();

    Widgets m_w;
    MonitoringSession &m_session;
    ProgramState &m_program;
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
