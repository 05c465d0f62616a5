#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class CMain;
class MonitoringSession;

// A walk through the window that saves a PNG at each stop, for the demo and
// for looking at the window without a screen. A tour waits for a few polling
// cycles, then takes its shots in order: each brings the window into a state
// (a tab, a dialog, an inverter), waits until the window is there, and the
// screen area of the window, with any dialog over it, is saved as
// <directory>/<nn>-<name>.png and its path printed. The tours are put
// together in tours() from the shot lists of tourshots.h.
class ScreenshotTour : public QObject
{
    Q_OBJECT

public:
    struct Shot
    {
        QString name;
        // Brings the window into the shot's state; a step that opens a modal
        // dialog runs later (TourShots::later), so that the tour goes on meanwhile.
        std::function<void(CMain &)> prepare;
        // Asked until it holds before the grab; empty: the state is there at once.
        std::function<bool(CMain &)> ready = {};
        // Open dialogs stay for the next shot instead of being closed after the grab.
        bool keepDialogs = false;
    };
    struct Tour
    {
        QString name;
        int cycles = 0; // polling cycles to wait for before the first shot
        QList<Shot> shots;
    };

    static const QList<Tour> &tours();
    static QStringList tourNames();

    ScreenshotTour(CMain &window, MonitoringSession &session, QObject *parent = nullptr);
    // False (with the reason on stderr) when there is no such tour or the directory cannot be made.
    bool prepare(const QString &tourName, const QString &directory);
    // Starts waiting for the cycles; finished() follows the last shot.
    void begin();

signals:
    // 0: every shot saved in its state; 1: a shot failed, or a state or the cycles did not come.
    void finished(int exitCode);

private:
    static constexpr int kCycleTimeoutMs = 120000;
    static constexpr int kReadyTimeoutMs = 90000;
    static constexpr int kReadyPollMs = 250;
    static constexpr int kSettleMs = 600;

    void cycleSeen();
    void takeShots();
    void takeNext();
    void waitUntilReady(int waitedMs);
    void grab();
    bool save(const Shot &shot, int number);

    CMain &m_window;
    MonitoringSession &m_session;
    const Tour *m_tour = nullptr;
    QString m_directory;
    int m_cycles = 0;
    int m_next = 0;
    int m_exitCode = 0;
    QTimer m_timeout;
};
